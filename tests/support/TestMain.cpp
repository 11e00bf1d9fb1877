// Test programs start as the program does, so that the application object
// holds the real module, version, registry key and private font.
#include "support/Support.h"

#include <stdio.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // A start-up that fails runs no test: that is never a pass, whatever
    // code the application object holds.
    if (!theApplication.InitInstance(GetModuleHandleA(NULL), GetCommandLineA(), SW_SHOWNORMAL)) {
        fprintf(stderr, "zelbrant_tests: the program's start-up failed with status %d: no test ran\n",
                theApplication.m_nExitCode);
        return 1;
    }
    int nResult = RUN_ALL_TESTS();
    theApplication.ExitInstance();
    return nResult;
}
