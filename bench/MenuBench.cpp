// How long the Menu button's popup menu takes to appear: from the Menu
// command posted to a running Zelbrant.exe until its menu window is on the
// screen; then the conversion of one icon into a menu bitmap, in this process.
#include "app/Application.h"
#include "app/Resources.h"
#include "extras/MenuBitmap.h"
#include "res/resource.h"

#include <algorithm>
#include <stdio.h>
#include <vector>

static LARGE_INTEGER s_liFrequency;

static double Microseconds(LARGE_INTEGER liStart, LARGE_INTEGER liEnd)
{
    return (double)(liEnd.QuadPart - liStart.QuadPart) * 1e6 / (double)s_liFrequency.QuadPart;
}

static HWND VisibleMenu()
{
    HWND hWnd = FindWindowA("#32768", NULL);
    return hWnd && IsWindowVisible(hWnd) ? hWnd : NULL;
}

// Waits, polling, up to five seconds for the condition; false when it never held.
template <class Condition> static bool Await(Condition condition)
{
    for (DWORD dwStart = GetTickCount(); !condition();) {
        if (GetTickCount() - dwStart > 5000)
            return false;
    }
    return true;
}

static void MeasureMenuOpening(int nOpenings)
{
    // Zelbrant.exe is built beside this program.
    char szProgram[MAX_PATH];
    GetModuleFileNameA(NULL, szProgram, MAX_PATH);
    lstrcpyA(strrchr(szProgram, '\\') + 1, "Zelbrant.exe");
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(szProgram, NULL, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        printf("%s could not be started\n", szProgram);
        return;
    }
    HWND hWndDialog = NULL;
    Await([&] { return (hWndDialog = FindWindowA("#32770", "Zelbrant")) != NULL && IsWindowVisible(hWndDialog); });

    std::vector<double> samples;
    for (int i = 0; hWndDialog && i < nOpenings; i++) {
        Sleep(50);
        LARGE_INTEGER liStart, liEnd;
        QueryPerformanceCounter(&liStart);
        PostMessageA(hWndDialog, WM_COMMAND, IDOK, 0); // the focus is on Menu
        HWND hWndMenu = NULL;
        if (!Await([&] { return (hWndMenu = VisibleMenu()) != NULL; }))
            break;
        QueryPerformanceCounter(&liEnd);
        samples.push_back(Microseconds(liStart, liEnd));
        PostMessageA(hWndMenu, WM_KEYDOWN, VK_ESCAPE, 0);
        Await([] { return VisibleMenu() == NULL; });
    }
    if (samples.empty()) {
        printf("the menu never appeared\n");
    } else {
        std::sort(samples.begin(), samples.end());
        printf("Menu command to menu on the screen, %u openings: median %.0f us, slowest %.0f us\n",
               (unsigned)samples.size(), samples[samples.size() / 2], samples.back());
    }
    PostMessageA(hWndDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

static void MeasureConversion(int nCalls)
{
    const UINT icons[] = {IDI_SAVE, IDI_SHORTCUT, IDI_ABOUT, IDI_QUIT};
    printf("One icon into a menu bitmap, averaged over %d conversions each:\n", nCalls);
    for (int nSize : {16, 32}) {
        for (UINT nIconId : icons) {
            HICON hIcon = LoadIconImage(nIconId, nSize, nSize);
            LARGE_INTEGER liStart, liEnd;
            QueryPerformanceCounter(&liStart);
            for (int i = 0; i < nCalls; i++)
                DeleteObject(CreateMenuBitmapFromIcon(hIcon, 0xFFF0F0F0));
            QueryPerformanceCounter(&liEnd);
            DestroyIcon(hIcon);
            printf("  icon %u at %dx%d: %.1f us\n", nIconId, nSize, nSize, Microseconds(liStart, liEnd) / nCalls);
        }
    }
}

int main()
{
    if (!theApplication.InitInstance(GetModuleHandleA(NULL), GetCommandLineA(), SW_SHOWNORMAL))
        return theApplication.m_nExitCode;
    QueryPerformanceFrequency(&s_liFrequency);
    MeasureMenuOpening(50);
    MeasureConversion(1000);
    theApplication.ExitInstance();
    return 0;
}
