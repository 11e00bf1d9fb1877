// Test programs start as the program does, so that the application object
// holds the real module, version, registry key and private font.
#include "app/Application.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!theApplication.InitInstance(GetModuleHandleA(NULL), GetCommandLineA(), SW_SHOWNORMAL))
        return theApplication.m_nExitCode;
    int nResult = RUN_ALL_TESTS();
    theApplication.ExitInstance();
    return nResult;
}
