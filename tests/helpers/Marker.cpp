// A stand-in for a started program: appends one line to the file named by TAV_MARKER (or,
// without it, by its first argument) with the tick count and its own command line, so a
// test can see that, when and how it was started.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const char* target = std::getenv("TAV_MARKER");
    if (!target && argc > 1)
        target = argv[1];
    if (!target)
        return 2;
    FILE* file = std::fopen(target, "ab");
    if (!file)
        return 3;
    std::fprintf(file, "%lu %s\n", static_cast<unsigned long>(GetTickCount()), GetCommandLineA());
    std::fclose(file);
    return 0;
}
