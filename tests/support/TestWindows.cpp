// Plain windows and controls, the main dialog, and pictures read as pixels, for tests.
#include "support/Support.h"

HWND CreateTopLevel(DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy, HWND hWndOwner, const char *pszTitle)
{
    const HBRUSH hbrWhite = (HBRUSH)GetStockObject(WHITE_BRUSH);
    const WNDCLASSA wc = {0, DefWindowProcA, 0, 0, GetModuleHandleA(NULL), 0, 0, hbrWhite, NULL, TEST_WINDOW_CLASS};
    static const ATOM s_atom = RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(dwExStyle, (LPCSTR)(ULONG_PTR)s_atom, pszTitle, dwStyle & ~WS_VISIBLE, x, y, cx, cy,
                                hWndOwner, NULL, GetModuleHandleA(NULL), NULL);
    // Not activated: Wine hands an activated window to the X window manager, and at its destruction waits
    // two seconds for one, which Xvfb lacks.
    SetWindowPos(hWnd, NULL, x, y, cx, cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
    PumpMessagesFor(0);
    return hWnd;
}

HWND CreateControl(HWND hWndParent, const char *pszClass, DWORD dwStyle, int x, int y, int cx, int cy, int nId,
                   const char *pszText)
{
    return CreateWindowExA(0, pszClass, pszText, WS_CHILD | dwStyle, x, y, cx, cy, hWndParent, (HMENU)(INT_PTR)nId,
                           GetModuleHandleA(NULL), NULL);
}

MainDialog::MainDialog()
    : m_dlg(NULL), m_hWnd(CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                             ZLBR_DlgZelbrant::DialogProc, (LPARAM)&m_dlg))
{
}

std::string MainDialog::Controls(std::initializer_list<int> ids) const
{
    std::string text;
    for (int nId : ids)
        text += std::string(text.empty() ? "" : " ") + (IsWindowEnabled(Item(nId)) ? "+" : "-") +
                (IsDlgButtonChecked(m_hWnd, nId) == BST_CHECKED ? "x" : "");
    return text;
}

std::vector<DWORD> BitmapPixels(HBITMAP hbm)
{
    BITMAP bm = {};
    if (!GetObjectA(hbm, sizeof bm, &bm))
        return {};
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<DWORD> pixels(bm.bmWidth * bm.bmHeight);
    HDC hdc = GetDC(NULL);
    GetDIBits(hdc, hbm, 0, bm.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(NULL, hdc);
    return pixels;
}

std::vector<DWORD> IconPixels(HICON hIcon)
{
    ICONINFO ii;
    if (!hIcon || !GetIconInfo(hIcon, &ii))
        return {};
    std::vector<DWORD> pixels = BitmapPixels(ii.hbmColor);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    return pixels;
}

std::vector<DWORD> ResourceIconPixels(UINT nIconId, int nSize)
{
    HICON hIcon = (HICON)LoadImageA(theApplication.m_hInstance, MAKEINTRESOURCEA(nIconId), IMAGE_ICON, nSize, nSize, 0);
    std::vector<DWORD> pixels = IconPixels(hIcon);
    DestroyIcon(hIcon);
    return pixels;
}

std::vector<COLORREF> ScreenRow(const RECT &rc, bool bBanded)
{
    HDC hdc = GetDC(NULL);
    std::vector<COLORREF> row;
    for (int x = rc.left - 1; x <= rc.right; x++) {
        bool bBand = x >= rc.left && x < rc.right && (x < rc.left + 3 || x >= rc.right - 3);
        row.push_back(GetPixel(hdc, x, rc.top + 10) ^ (bBanded && bBand ? 0xFFFFFF : 0));
    }
    ReleaseDC(NULL, hdc);
    return row;
}
