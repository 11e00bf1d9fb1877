// The finder drag: a press on the target icon captures the mouse; every move
// finds the window under the pointer, keeps the inverted frame around it and
// refreshes the panel; the release shows the window under the release point.
// Every end of a drag passes through OnCaptureChanged, which restores the
// idle state of the controls.
#include "dialog/DlgZelbrant.h"

#include "picking/WindowAtPoint.h"
#include "res/resource.h"

// The pointer position of the mouse message being handled, in the dialog's
// client coordinates: signed, since the capture reports points left of and
// above the dialog too.
static POINT MessagePoint(const MSG *pMsg)
{
    POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
    return pt;
}

BOOL ZLBR_DlgZelbrant::OnFinderButtonDown()
{
    POINT pt = MessagePoint(m_pCurrentMsg);
    if (pt.x < m_rcFinderIcon.left || pt.x >= m_rcFinderIcon.right || pt.y < m_rcFinderIcon.top ||
        pt.y >= m_rcFinderIcon.bottom)
        return TRUE;

    m_bTracking = true;
    SetCapture(m_hWnd);
    SetCursor(m_hFinderCursor);
    ShowFinderIcon(false);
    UpdateWindowInfo(NULL);
    FocusMenuButton();
    ShowDragControls(true);
    // The disabled Menu button cannot keep the focus: the dialog takes it,
    // so that Escape and Enter still reach it during the drag.
    SetFocus(m_hWnd);
    return TRUE;
}

BOOL ZLBR_DlgZelbrant::OnFinderMouseMove()
{
    POINT pt = MessagePoint(m_pCurrentMsg);
    ClientToScreen(m_hWnd, &pt);
    if (!m_bTracking)
        return TRUE;

    HWND hWndHit = FindWindowAtPoint(pt.x, pt.y);
    if (hWndHit && IsWindow(hWndHit)) {
        // The frame is drawn once when the pointer enters a window, so
        // moving inside one window draws nothing.
        if (IsFrameUsed()) {
            if (m_hWndFramed && m_hWndFramed != hWndHit)
                EraseFrame();
            if (!m_hWndFramed)
                DrawFrame(hWndHit);
        }
        UpdateWindowInfo(hWndHit);
    } else {
        EraseFrameIfShown();
        UpdateWindowInfo(NULL);
    }
    return TRUE;
}

BOOL ZLBR_DlgZelbrant::OnFinderButtonUp()
{
    POINT pt = MessagePoint(m_pCurrentMsg);
    ClientToScreen(m_hWnd, &pt);
    if (!m_bTracking)
        return TRUE;

    // The release ends the drag as a cancel does; then the window under
    // the release point, searched afresh, becomes the one shown.
    CancelFinderTracking();
    ShowFinderIcon(true);
    HWND hWndHit = FindWindowAtPoint(pt.x, pt.y);
    UpdateWindowInfo(hWndHit && IsWindow(hWndHit) ? hWndHit : NULL);
    return TRUE;
}

// The frame is erased first. The capture change arrives before ReleaseCapture
// returns, and its handler, finding the drag still on, ends it.
void ZLBR_DlgZelbrant::CancelFinderTracking()
{
    EraseFrameIfShown();
    ReleaseCapture();
}
