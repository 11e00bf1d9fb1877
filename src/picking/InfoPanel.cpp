// The information panel: which window is shown for the pointed one, the eight
// value formats, and the panel's texts, check box and enabled states.
#include "picking/InfoPanel.h"

#include "app/WindowStyle.h"
#include "dialog/DlgZelbrant.h"
#include "picking/ClientRect.h"
#include "res/resource.h"

#include <algorithm>
#include <stdio.h>

std::string QueryWindowText(HWND hWnd)
{
    LRESULT nAnnounced = SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0);
    if (nAnnounced < 0)
        return std::string();
    // Capped before one is added for the terminator, which so cannot overflow.
    size_t cchBuffer = (size_t)nAnnounced < s_cchMaxWindowText ? (size_t)nAnnounced : s_cchMaxWindowText;
    std::string strText(cchBuffer + 1, '\0');
    LRESULT nCopied = SendMessageA(hWnd, WM_GETTEXT, cchBuffer + 1, (LPARAM)&strText[0]);

    // Another window's count is not evidence of what it wrote: it may fill
    // the whole buffer without a terminator and return more than fits.
    size_t cchText = 0;
    if (nCopied == -1 || (nCopied > 0 && (size_t)nCopied > cchBuffer))
        cchText = cchBuffer;
    else if (nCopied > 0)
        cchText = (size_t)nCopied;
    strText.resize(cchText);
    size_t nZero = strText.find('\0');
    if (nZero != std::string::npos)
        strText.resize(nZero);
    return strText;
}

// "0x" and the handle's 32-bit value as 8 upper-case digits (not "%p", whose
// digits are lower case here). Window handles have 32 significant bits in
// 64-bit processes too, so both builds show the same text.
static std::string FormatHandle(HWND hWnd)
{
    char sz[16];
    snprintf(sz, sizeof sz, "0x%08lX", HandleToULong(hWnd));
    return sz;
}

static std::string FormatIdentifier(LONG lId)
{
    char sz[24];
    snprintf(sz, sizeof sz, "%lld", (long long)lId);
    return sz;
}

static std::string FormatStyle(DWORD dwStyle)
{
    char sz[16];
    snprintf(sz, sizeof sz, "0x%08lX", (unsigned long)dwStyle);
    return sz;
}

// The width and height in 64 bits: a rectangle spanning more than half the
// int range must not overflow them.
static std::string FormatRectangle(const RECT &rc)
{
    char sz[96];
    snprintf(sz, sizeof sz, "(%ld, %ld), (%ld, %ld)   %lld × %lld", rc.left, rc.top, rc.right, rc.bottom,
             (long long)rc.right - rc.left, (long long)rc.bottom - rc.top);
    return sz;
}

// The eight texts, in the order of the edits 201 to 208. The rectangle is
// relative to the root's client area unless the shown window is the root.
static void FormatWindowInfo(HWND hWndShown, HWND hWndRoot, HWND hWndParent, const char *pszClass, const WINDOWINFO &wi,
                             std::string *pstrTexts)
{
    RECT rc = wi.rcWindow;
    if (hWndShown != hWndRoot)
        ScreenRectToClient(hWndRoot, &rc);
    pstrTexts[0] = QueryWindowText(hWndShown);
    pstrTexts[1] = pszClass;
    pstrTexts[2] = FormatHandle(hWndShown);
    pstrTexts[3] = FormatIdentifier(GetWindowLongA(hWndShown, GWL_ID));
    pstrTexts[4] = FormatStyle(wi.dwStyle);
    pstrTexts[5] = FormatStyle(wi.dwExStyle);
    pstrTexts[6] = FormatHandle(hWndParent);
    pstrTexts[7] = FormatRectangle(rc);
}

// Every text is read before any is written; an edit whose text is already
// right receives nothing, so that it neither flickers nor repaints.
static void WritePanelTexts(const HWND *phWndEdits, const std::string *pstrTexts)
{
    std::string astrPresent[PANEL_FIELDS];
    for (int i = 0; i < PANEL_FIELDS; i++)
        astrPresent[i] = QueryWindowText(phWndEdits[i]);
    for (int i = 0; i < PANEL_FIELDS; i++)
        if (astrPresent[i] != pstrTexts[i])
            SendMessageA(phWndEdits[i], WM_SETTEXT, 0, (LPARAM)pstrTexts[i].c_str());
}

void ZLBR_DlgZelbrant::UpdateWindowInfo(HWND hWndPointed)
{
    const HWND ahWndEdits[PANEL_FIELDS] = {m_hWndInfoTitle, m_hWndInfoClass,   m_hWndInfoHandle, m_hWndInfoId,
                                           m_hWndInfoStyle, m_hWndInfoExStyle, m_hWndInfoParent, m_hWndInfoRect};
    std::string astrTexts[PANEL_FIELDS];

    // The dialog's own controls and the windows it owns are never shown.
    HWND hWndRoot = hWndPointed && IsWindow(hWndPointed) ? FindParentChainEnd(hWndPointed, m_hWnd) : NULL;
    bool bShown = hWndRoot != NULL;
    HWND hWndShown = m_bAutoFindRootParent ? hWndRoot : hWndPointed;
    char szClass[257] = "";
    WINDOWINFO wi = {};
    wi.cbSize = sizeof wi;
    bShown = bShown && GetClassNameA(hWndShown, szClass, sizeof szClass) && GetWindowInfo(hWndShown, &wi);

    bool bHasParent = true;
    if (bShown) {
        m_hWndPointed = hWndPointed;
        m_hWndRoot = hWndRoot;
        // The root is the window of the chain that has no parent.
        HWND hWndParent = hWndShown == hWndRoot ? NULL : GetParent(hWndShown);
        bHasParent = hWndParent != NULL;
        m_bSelectedOnTop = (wi.dwExStyle & WS_EX_TOPMOST) != 0;
        FormatWindowInfo(hWndShown, hWndRoot, hWndParent, szClass, wi, astrTexts);
    } else {
        m_hWndPointed = NULL;
        m_hWndRoot = NULL;
        m_bSelectedOnTop = false;
    }

    // The focus must not stay on a control that is emptied or disabled now.
    HWND hWndFocus = bShown ? NULL : GetFocus();
    bool bMoveFocus =
        hWndFocus && (hWndFocus == m_hWndKeepSelectedOnTop || hWndFocus == m_hWndCopy ||
                      std::find(ahWndEdits, ahWndEdits + PANEL_FIELDS, hWndFocus) != ahWndEdits + PANEL_FIELDS);

    WritePanelTexts(ahWndEdits, astrTexts);
    for (HWND hWndLabel : m_ahWndLabels)
        SetControlEnabled(hWndLabel, bShown);
    // Only a window without parent or owner can be made topmost.
    SetControlEnabled(m_hWndKeepSelectedOnTop, bShown && !bHasParent);
    SetControlChecked(m_hWndKeepSelectedOnTop, m_bSelectedOnTop);
    SetControlEnabled(m_hWndCopy, bShown);
    if (bMoveFocus)
        FocusMenuButton();
}
