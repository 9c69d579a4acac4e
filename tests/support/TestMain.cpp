// The main of every test program. Windows test programs also get COM, the common controls,
// GDI+ and the staged installation folder (TAV_DIST_DIR) as the program's own folder.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "WinTestSupport.h"
#endif

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
    WinTestEnvironment environment;
#endif
    return RUN_ALL_TESTS();
}
