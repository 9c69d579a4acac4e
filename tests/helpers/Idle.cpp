// Keeps Wine's desktop process alive while a test run lasts. Without a lasting window, every
// test program starts a new desktop process that inherits the test's output pipe and holds
// ctest up for about a second after the test has ended.
#include <windows.h>

int main()
{
    CreateWindowA("STATIC", "tavimoreth-idle", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
