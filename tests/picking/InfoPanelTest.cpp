// The information panel of the real main dialog, filled from real windows:
// the value formats, the window shown, and the windows never shown.
#include "support/Support.h"

#include <list>

TEST(InfoPanel, ShowsTheEightValuesOfThePointedWindowOrItsRootAndNothingForTheProgramsOwnWindows)
{
    MainDialog main;
    ZLBR_DlgZelbrant &dlg = main.m_dlg;
    WindowHolder top(CreateTopLevel(WS_POPUP | WS_BORDER, 0, 100, 50, 300, 200, NULL, "Fenêtre d'essai"));
    HWND hWndPanel = CreateControl(top, "Static", WS_VISIBLE, 5, 10, 200, 150);
    HWND hWndControl =
        CreateControl(hWndPanel, "Static", WS_VISIBLE | WS_DISABLED | SS_NOTIFY | SS_CENTERIMAGE | SS_REALSIZEIMAGE, 15,
                      20, 75, 23, 1001);
    WindowHolder owner(CreateTopLevel(WS_POPUP, 0, 200, 100, 400, 300, NULL, "Propriétaire"));
    HWND hWndMiddle = CreateTopLevel(WS_POPUP, 0, 250, 160, 100, 80, owner);
    HWND hWndPopup = CreateTopLevel(WS_POPUP, 0, 260, 170, 50, 40, hWndMiddle, "Boîte");
    WindowHolder owned(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, main.m_hWnd));
    // Handles are small numbers here: one with a hexadecimal letter shows its case.
    std::list<WindowHolder> windows;
    do
        windows.emplace_back(CreateTopLevel(WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 100, 50, 300, 200));
    while (windows.size() < 64 && (ULONG_PTR)windows.back().m_hWnd % 16 < 10);
    HWND topmost = windows.back().m_hWnd;
    // The eight fields and the state of the first and last labels, Copy and the topmost check box; the handle and
    // the parent read "H" and "P" when they show the windows given: "0x" and exactly 8 upper-case hex digits that
    // read back as the window.
    auto panel = [&](HWND hWndShown, HWND hWndParent) {
        std::string text;
        for (int nId = IDC_INFO_TITLE; nId <= IDC_INFO_RECT; nId++) {
            std::string field = QueryWindowText(main.Item(nId));
            if ((nId == IDC_INFO_HANDLE || nId == IDC_INFO_PARENT) && field.size() == 10 &&
                field.compare(0, 2, "0x") == 0 && field.find_first_not_of("0123456789ABCDEF", 2) == std::string::npos &&
                strtoul(field.c_str() + 2, NULL, 16) == (ULONG_PTR)(nId == IDC_INFO_HANDLE ? hWndShown : hWndParent))
                field = nId == IDC_INFO_HANDLE ? "H" : "P";
            text += (nId == IDC_INFO_TITLE ? "" : "|") + field;
        }
        return text + " " +
               main.Controls({IDC_LABEL_TITLE, IDC_LABEL_RECT, IDC_COPY_TO_CLIPBOARD, IDC_KEEP_SELECTED_ON_TOP});
    };
    const char *const EMPTY = "||||||| - - - -";
    const struct {
        HWND hWnd;
        bool bAutoFind;
        HWND hWndShown, hWndRoot, hWndParent; // null when nothing may be shown, or nothing is
        const char *pszPanel;
    } rows[] = {
        {topmost, true, topmost, topmost, NULL,
         "|ZelbrantTestWindow|H|0|0x84000000|0x00000088|P|(100, 50), (400, 250)   300 × 200 + + + +x"},
        {hWndControl, false, hWndControl, top, hWndPanel,
         "|Static|H|1001|0x58000B00|0x00000000|P|(20, 30), (95, 53)   75 × 23 + + + -"},
        {hWndControl, true, top, top, NULL,
         "Fenêtre d'essai|ZelbrantTestWindow|H|0|0x84800000|0x00000000|P|(100, 50), (400, 250)   300 × 200 + + + +"},
        {hWndPopup, true, owner, owner, NULL,
         "Propriétaire|ZelbrantTestWindow|H|0|0x84000000|0x00000000|P|(200, 100), (600, 400)   400 × 300 + + + +"},
        {hWndPopup, false, hWndPopup, owner, hWndMiddle,
         "Boîte|ZelbrantTestWindow|H|0|0x84000000|0x00000000|P|(60, 70), (110, 110)   50 × 40 + + + -"},
        // Nothing, the dialog and the windows it owns: an empty panel.
        {NULL, true, NULL, NULL, NULL, EMPTY},
        {main.m_hWnd, true, NULL, NULL, NULL, EMPTY},
        {owned, true, NULL, NULL, NULL, EMPTY},
    };
    for (const auto &row : rows) {
        dlg.m_bAutoFindRootParent = true;
        dlg.UpdateWindowInfo(topmost); // every field has to change, and the check box
        dlg.m_bAutoFindRootParent = row.bAutoFind;
        dlg.UpdateWindowInfo(row.hWnd);
        EXPECT_EQ(panel(row.hWndShown, row.hWndParent), row.pszPanel) << (void *)row.hWnd;
        EXPECT_TRUE(dlg.m_bSelectedOnTop == (row.hWnd == topmost) && dlg.m_hWndRoot == row.hWndRoot &&
                    dlg.m_hWndPointed == (row.hWndRoot ? row.hWnd : NULL))
            << (void *)row.hWnd;
    }
}
