// The dialog's placement as saved in the registry and as found on the
// monitors at hand; the arithmetic is in PlacementGeometry.
#include "settings/Placement.h"

#include "app/Application.h"
#include "settings/PlacementGeometry.h"
#include "settings/RegistryStore.h"

#include <dwmapi.h>
#include <stdio.h>

std::string PlacementKey()
{
    return theApplication.m_strRegistryKey + "\\MainWindow";
}

std::string MonitorPlacementKey(const char *pszKey, const RECT &rcMonitor)
{
    char szName[80];
    snprintf(szName, sizeof(szName), "MonitorRectangle(%ld,%ld,%ld,%ld)", rcMonitor.left, rcMonitor.top,
             rcMonitor.right, rcMonitor.bottom);
    return std::string(pszKey) + "\\" + szName;
}

bool GetMonitorAreas(const RECT *prc, RECT *prcMonitor, RECT *prcWork)
{
    RECT rcMonitor, rcWork;
    bool bFound = false;
    MONITORINFOEXA mi;
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = MonitorFromRect(prc, MONITOR_DEFAULTTONEAREST);
    if (hMonitor && GetMonitorInfoA(hMonitor, (MONITORINFO *)&mi)) {
        CopyRect(&rcMonitor, &mi.rcMonitor);
        CopyRect(&rcWork, &mi.rcWork);
        bFound = true;
    } else {
        SetRect(&rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
            CopyRect(&rcWork, &rcMonitor);
    }
    if (prcMonitor)
        CopyRect(prcMonitor, &rcMonitor);
    if (prcWork)
        CopyRect(prcWork, &rcWork);
    return bFound;
}

// True when all four values were written; each one is attempted.
static bool WritePlacement(const char *pszKey, const RECT &rc)
{
    LONG lX = RegWriteDword(pszKey, "X", (DWORD)rc.left);
    LONG lY = RegWriteDword(pszKey, "Y", (DWORD)rc.top);
    LONG lCx = RegWriteDword(pszKey, "CX", (DWORD)rc.right - (DWORD)rc.left);
    LONG lCy = RegWriteDword(pszKey, "CY", (DWORD)rc.bottom - (DWORD)rc.top);
    return lX == ERROR_SUCCESS && lY == ERROR_SUCCESS && lCx == ERROR_SUCCESS && lCy == ERROR_SUCCESS;
}

// False at the first value that cannot be read.
static bool ReadPlacement(const char *pszKey, RECT *prc)
{
    DWORD dwX, dwY, dwCx, dwCy;
    if (RegReadDword("X", pszKey, 0, &dwX) || RegReadDword("Y", pszKey, 0, &dwY) ||
        RegReadDword("CX", pszKey, 0, &dwCx) || RegReadDword("CY", pszKey, 0, &dwCy))
        return false;
    *prc = SavedPlacementRect((LONG)dwX, (LONG)dwY, (LONG)dwCx, (LONG)dwCy);
    return true;
}

bool SaveDialogPlacement(HWND hWnd, const char *pszKey)
{
    if (!IsWindow(hWnd))
        return false;
    // The restored rectangle, which is also known while the window is minimised.
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    GetWindowPlacement(hWnd, &wp);
    RECT rcNormal = wp.rcNormalPosition;
    RECT rcMonitor, rcWork;
    GetMonitorAreas(&rcNormal, &rcMonitor, &rcWork);
    // A top-level window that is no tool window gets its restored rectangle
    // relative to the work area, which is shifted by a taskbar on the left
    // or at the top; the saved rectangle is in screen coordinates.
    if (!(GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) && !(GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
        OffsetRect(&rcNormal, rcWork.left - rcMonitor.left, rcWork.top - rcMonitor.top);

    // A placement only half written does not reopen the dialog there, so
    // the save is reported as failed.
    bool bPlain = WritePlacement(pszKey, rcNormal);
    bool bCopy = WritePlacement(MonitorPlacementKey(pszKey, rcMonitor).c_str(), rcNormal);
    return bPlain && bCopy;
}

bool RestoreDialogPlacement(const char *pszKey, const RECT *prcCurrent, RECT *prcPlacement)
{
    RECT rcCurrent = *prcCurrent;
    RECT rcSaved;
    bool bUsable = ReadPlacement(pszKey, &rcSaved) && !IsRectInverted(rcSaved);
    RECT rcMonitor, rcWork;
    GetMonitorAreas(bUsable ? &rcSaved : &rcCurrent, &rcMonitor, &rcWork);
    // The copy is looked for under the monitor the saved rectangle is on now:
    // when that monitor was removed or changed its resolution, there is none.
    RECT rcCopy;
    bool bCopyFound = bUsable && ReadPlacement(MonitorPlacementKey(pszKey, rcMonitor).c_str(), &rcCopy);

    RECT rcResult;
    bool bAsSaved =
        ChooseRestoredRect(bUsable ? &rcSaved : NULL, bCopyFound ? &rcCopy : NULL, rcCurrent, rcWork, &rcResult);
    if (prcPlacement)
        *prcPlacement = rcResult;
    return bAsSaved;
}

// The window's visible frame: without desktop composition, or when the
// frame cannot be read, the window rectangle itself.
static RECT VisibleFrame(HWND hWnd, const RECT &rcWindow)
{
    const Application &app = theApplication;
    BOOL bComposition = FALSE;
    RECT rcFrame;
    if (app.m_hDwmApi && app.m_pfnDwmIsCompositionEnabled && app.m_pfnDwmGetWindowAttribute &&
        SUCCEEDED(app.m_pfnDwmIsCompositionEnabled(&bComposition)) && bComposition &&
        SUCCEEDED(app.m_pfnDwmGetWindowAttribute(hWnd, DWMWA_EXTENDED_FRAME_BOUNDS, &rcFrame, sizeof(rcFrame))))
        return rcFrame;
    return rcWindow;
}

void CenterWindowOverOwner(HWND hWnd, HWND hWndOwner)
{
    RECT rcWindow = {}, rcTarget = {}, rcWork;
    GetWindowRect(hWnd, &rcWindow);
    RECT rcFrame = VisibleFrame(hWnd, rcWindow);
    if (hWndOwner) {
        GetWindowRect(hWndOwner, &rcTarget);
        GetMonitorAreas(&rcTarget, NULL, &rcWork);
    } else {
        GetMonitorAreas(&rcWindow, NULL, &rcWork);
        rcTarget = rcWork;
    }
    POINT pt = CenteredPosition(rcWindow, rcFrame, rcTarget, rcWork);
    SetWindowPos(hWnd, NULL, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
