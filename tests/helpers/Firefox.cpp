// Stands in for the browser: a process whose executable is named "firefox.exe". It only waits;
// the test that starts it ends it, and it goes by itself should that test die first.
#include <windows.h>

int main()
{
    Sleep(120000);
    return 0;
}
