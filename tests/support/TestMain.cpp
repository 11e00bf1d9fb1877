// The test program starts as the program does: the application object holds the real module, key and font.
#include "support/Support.h"

#include <stdio.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // A start-up that fails runs no test, and that is never a pass.
    if (!theApplication.InitInstance(GetModuleHandleA(NULL), GetCommandLineA(), SW_SHOWNORMAL)) {
        fprintf(stderr, "zelbrant_tests: the program's start-up failed with status %d: no test ran\n",
                theApplication.m_nExitCode);
        return 1;
    }
    int nResult = RUN_ALL_TESTS();
    theApplication.ExitInstance();
    return nResult;
}
