// The main dialog: the starting state from the stored settings and its
// pictures, the commands and check boxes with their sounds.
#include "support/Support.h"

static bool IsTopmost(HWND hwnd)
{
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST(OnInitDialog, ShowsTheStoredOptionsTheFocusOnMenuAndEachButtonsOwnSmallPicture)
{
    const struct {
        int anStored[3]; // KeepDialogOnTop, AutoFindRootParent, DrawInvertedFrame; -1: nothing
        const char *pszControls;
    } rows[] = {{{-1, -1, -1}, "+x +x -"}, {{-1, 0, 1}, "+x + +x"}, {{0, 1, 0}, "+ +x -"}, {{1, 0, 0}, "+x + +"}};
    for (const auto &row : rows) {
        RegDeleteTreeA(HKEY_CURRENT_USER, theApplication.m_strRegistryKey.c_str());
        const char *apszNames[] = {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"};
        for (int i = 0; i < 3; i++)
            if (row.anStored[i] >= 0)
                RegWriteDword(theApplication.m_strRegistryKey.c_str(), apszNames[i], row.anStored[i]);
        MainDialog dialog;
        EXPECT_EQ(dialog.Controls({IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_DRAW_INVERTED_FRAME}),
                  row.pszControls);
        EXPECT_EQ(IsTopmost(dialog.m_hWnd), row.pszControls[1] == 'x');
        EXPECT_EQ(dialog.m_dlg.m_bDrawInvertedFrame, row.anStored[2] != 0);
    }
    MainDialog dialog;
    EXPECT_EQ(GetFocus(), dialog.Item(IDOK));
    auto shown = [&](int nId) { return IconPixels((HICON)SendMessageA(dialog.Item(nId), BM_GETIMAGE, IMAGE_ICON, 0)); };
    std::vector<DWORD> copy = shown(IDC_COPY_TO_CLIPBOARD), menu = shown(IDOK),
                       title = IconPixels((HICON)SendMessageA(dialog.m_hWnd, WM_GETICON, ICON_SMALL, 0));
    EXPECT_TRUE(copy == ResourceIconPixels(IDI_COPY, 16) && copy != menu) << "Copy's picture";
    EXPECT_TRUE(menu == ResourceIconPixels(IDI_MENU, 16) && title == ResourceIconPixels(IDI_MAIN, 16));
}

// Keeps the Z order of a window whatever it is asked, as some programs do.
static LRESULT CALLBACK KeepZOrder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGING)
        ((WINDOWPOS *)lParam)->flags |= SWP_NOZORDER;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(Commands, TheOptionsAndTheTopmostCheckBoxChangeWhatTheyNameAtOnceWithTheirSounds)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, theApplication.m_strRegistryKey.c_str());
    MainDialog main;
    ZLBR_DlgZelbrant &dlg = main.m_dlg;
    SoundSpy spy;
    WindowHolder target(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200));
    HWND hWndButton = CreateControl(target, "BUTTON", WS_VISIBLE, 20, 30, 75, 23, 1001, "Bouton");
    dlg.UpdateWindowInfo(hWndButton); // shown as its root while AutoFindRootParent is on
    auto state = [&] {
        return main.Controls({IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT, IDC_DRAW_INVERTED_FRAME,
                              IDC_KEEP_SELECTED_ON_TOP}) +
               (IsTopmost(main.m_hWnd) ? " T " : " - ") + QueryWindowText(dlg.m_hWndInfoTitle) + "|" +
               QueryWindowText(dlg.m_hWndInfoRect) + " " + std::to_string(dlg.m_bDrawInvertedFrame);
    };
    const char *const ROOT = "|(700, 200), (1000, 400)   300 × 200 1", *const BUTTON =
                                                                           "Bouton|(20, 30), (95, 53)   75 × 23 1";
    EXPECT_EQ(state(), std::string("+x +x - + T ") + ROOT);
    // The frame option shows its kept value only while the root is not searched.
    const std::pair<int, std::string> clicks[] = {
        {IDC_KEEP_DIALOG_ON_TOP, std::string("+ +x - + - ") + ROOT},
        {IDC_KEEP_DIALOG_ON_TOP, std::string("+x +x - + T ") + ROOT},
        {IDC_AUTO_FIND_ROOT_PARENT, std::string("+x + +x - T ") + BUTTON},
        {IDC_DRAW_INVERTED_FRAME, std::string("+x + + - T Bouton|(20, 30), (95, 53)   75 × 23 0")},
        {IDC_DRAW_INVERTED_FRAME, std::string("+x + +x - T ") + BUTTON},
        {IDC_AUTO_FIND_ROOT_PARENT, std::string("+x +x - + T ") + ROOT},
    };
    for (const auto &click : clicks) {
        SendMessageA(main.Item(click.first), BM_CLICK, 0, 0);
        EXPECT_EQ(state(), click.second) << click.first;
    }
    EXPECT_EQ(spy.m_sounds, (std::vector<UINT>{IDW_OPTION_OFF, IDW_OPTION_ON, IDW_OPTION_OFF, IDW_OPTION_OFF,
                                               IDW_OPTION_ON, IDW_OPTION_ON}));
    EXPECT_TRUE(spy.m_dwLastFlags == (SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) &&
                spy.m_hLastModule == theApplication.m_hInstance);

    // The topmost check box, through a control, on a root window that takes it and on one that keeps its Z order.
    for (bool bKept : {false, true}) {
        spy.m_sounds.clear();
        WindowHolder shown(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 700, 200, 300, 200));
        dlg.UpdateWindowInfo(CreateControl(shown, "BUTTON", WS_VISIBLE, 20, 30, 75, 23));
        if (bKept)
            SetWindowLongPtrA(shown, GWLP_WNDPROC, (LONG_PTR)KeepZOrder);
        SetFocus(main.Item(IDC_KEEP_SELECTED_ON_TOP));
        SendMessageA(main.Item(IDC_KEEP_SELECTED_ON_TOP), BM_CLICK, 0, 0);
        EXPECT_EQ(IsTopmost(shown), !bKept);
        EXPECT_EQ(main.Controls({IDC_KEEP_SELECTED_ON_TOP}), bKept ? "-" : "+x");
        EXPECT_EQ(!QueryWindowText(dlg.m_hWndInfoHandle).empty() && dlg.m_hWndPointed, !bKept);
        EXPECT_EQ(GetFocus(), main.Item(bKept ? IDOK : IDC_KEEP_SELECTED_ON_TOP));
        if (!bKept) {
            SendMessageA(main.Item(IDC_KEEP_SELECTED_ON_TOP), BM_CLICK, 0, 0);
            EXPECT_TRUE(!IsTopmost(shown) && main.Controls({IDC_KEEP_SELECTED_ON_TOP}) == "+");
        }
        EXPECT_EQ(spy.m_sounds,
                  (bKept ? std::vector<UINT>{IDW_FAILURE} : std::vector<UINT>{IDW_OPTION_ON, IDW_OPTION_OFF}));
    }
}
