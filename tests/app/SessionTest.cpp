// One session of the real Zelbrant.exe, driven by real mouse and keys as a
// user would, from a download folder whose name the ANSI code page cannot
// spell and where DLLs of the system's names lie beside the program.
#include "support/Support.h"

// Real input, as a user's hand gives it. The pause lets the receiving program handle the events one by one.
static void SendMouse(DWORD dwFlags, LONG dx = 0, LONG dy = 0)
{
    INPUT input = {INPUT_MOUSE, {}};
    input.mi = {dx, dy, 0, dwFlags, 0, 0};
    SendInput(1, &input, sizeof(input));
    PumpMessagesFor(15);
}

// True once the pointer is on that pixel of the primary screen. Absolute coordinates span 0..65535 over
// the screen; aiming at the middle of the pixel lands on it whatever the screen's size.
static bool MovePointerTo(POINT pt)
{
    auto normalized = [](LONG nPixel, int nSize) { return (LONG)((LONGLONG)(2 * nPixel + 1) * 65536 / (2 * nSize)); };
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalized(pt.x, GetSystemMetrics(SM_CXSCREEN)),
              normalized(pt.y, GetSystemMetrics(SM_CYSCREEN)));
    POINT ptCursor;
    return WaitUntil([&] { return GetCursorPos(&ptCursor) && ptCursor.x == pt.x && ptCursor.y == pt.y; }, 5000);
}

static void PressKey(WORD wVk)
{
    for (DWORD dwFlags : {0, KEYEVENTF_KEYUP}) {
        INPUT input = {INPUT_KEYBOARD, {}};
        input.ki = {wVk, (WORD)MapVirtualKeyA(wVk, MAPVK_VK_TO_VSC), dwFlags, 0, 0};
        SendInput(1, &input, sizeof(input));
        PumpMessagesFor(15);
    }
}

// Enter on the Menu button opens the menu, unless it is open, and the entry's key chooses.
// The menu's window hides before its loop ends: a key sent at once could still go to it.
static void Choose(WORD wVk, bool bOpen = true)
{
    auto menuShown = [] { return IsWindowVisible(FindWindowA("#32768", NULL)) != FALSE; };
    if (bOpen)
        PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil(menuShown, 10000));
    PressKey(wVk);
    ASSERT_TRUE(WaitUntil([&] { return !menuShown(); }, 10000));
    PumpMessagesFor(200);
}

TEST(Session, FromAFolderOfAnyNameAUserPicksAWindowCopiesSavesMakesTheShortcutAndComesBackWithNoPlantedDllRun)
{
    const std::string key = theApplication.m_strRegistryKey, page = "https://zelbrant.example.org/";
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    RegWriteDword(key.c_str(), "AutoFindRootParent", 0);
    const std::wstring dir = MakeScratchDirectory(L"Téléchargements Łódź 日本"), program = dir + L"\\Zelbrant.exe",
                       desktop = dir + L"\\Bureau Łódź", plants[] = {L"dwmapi",  L"winmm",   L"version",  L"uxtheme",
                                                                     L"msacm32", L"msimg32", L"comctl32", L"planted"};
    ASSERT_TRUE(CopyFileW(BinPath(L"Zelbrant.exe").c_str(), program.c_str(), FALSE));
    for (const std::wstring &plant : plants)
        ASSERT_TRUE(CopyFileW(BinPath(L"planted.dll").c_str(), (dir + L"\\" + plant + L".dll").c_str(), FALSE));
    auto marked = [&](const std::wstring &plant) {
        return GetFileAttributesW((dir + L"\\" + plant + L".dll.loaded").c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    FreeLibrary(LoadLibraryW((dir + L"\\planted.dll").c_str())); // a plant that runs leaves its mark
    ASSERT_TRUE(marked(L"planted") && DeleteFileW((dir + L"\\planted.dll.loaded").c_str()));
    CreateDirectoryW(desktop.c_str(), NULL); // Wine takes the default desktop for a missing one
    SetDesktopFolder(desktop);

    ChildProcess zelbrant;
    HWND hWndDialog = NULL;
    ASSERT_TRUE(zelbrant.Start(program) && (hWndDialog = zelbrant.WaitForWindow("#32770", "Zelbrant", 15000)));
    SetWindowPos(hWndDialog, NULL, 450, 350, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    auto control = [&](int nId) { return GetDlgItem(hWndDialog, nId); };
    auto field = [&](int nId) { return QueryWindowText(control(nId)); };
    auto click = [&](POINT pt) {
        ASSERT_TRUE(MovePointerTo(pt));
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    };

    // F1 with the focus on Menu, where the dialog starts it, and the context-help command.
    SetForegroundWindow(hWndDialog);
    EXPECT_EQ(OpenedBy([] { PressKey(VK_F1); }), page);
    EXPECT_EQ(OpenedBy([&] { PostMessageA(hWndDialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }), page);

    // A static text, which a hit-test passes through and which does not repaint under the pointer.
    WindowHolder target(CreateTopLevel(WS_POPUP | WS_VISIBLE, 0, 20, 20, 340, 240, NULL, "Cible"));
    HWND hWndLabel = CreateControl(target, "STATIC", WS_VISIBLE, 20, 30, 75, 23, 1001, "Étiquette");
    const POINT aptBand[] = {{40, 50}, {112, 70}, {114, 72}}, aptOff[] = {{43, 53}, {39, 50}, {115, 73}};
    auto pixels = [](const POINT *ppt) { // three screen pixels, as a user sees them
        HDC hdc = GetDC(NULL);
        std::vector<COLORREF> colours = {GetPixel(hdc, ppt[0].x, ppt[0].y), GetPixel(hdc, ppt[1].x, ppt[1].y),
                                         GetPixel(hdc, ppt[2].x, ppt[2].y)};
        ReleaseDC(NULL, hdc);
        return colours;
    };
    PumpMessagesFor(200);
    const std::vector<COLORREF> band = pixels(aptBand), off = pixels(aptOff);
    // Dragged from the target icon to the text, the text is outlined inside
    // its edge; once released the screen is as before.
    RECT rcIcon;
    GetWindowRect(control(IDC_FINDER_ICON), &rcIcon);
    ASSERT_TRUE(MovePointerTo(POINT{rcIcon.left + 4, rcIcon.top + 4}));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(MovePointerTo(POINT{rcIcon.left - 20, rcIcon.top - 20}) && MovePointerTo(CenterOf(hWndLabel)));
    ASSERT_TRUE(WaitUntil([&] { return field(IDC_INFO_TITLE) == "Étiquette"; }, 10000));
    const std::vector<COLORREF> inverted = {band[0] ^ 0xFFFFFF, band[1] ^ 0xFFFFFF, band[2] ^ 0xFFFFFF};
    EXPECT_TRUE(WaitUntil([&] { return pixels(aptBand) == inverted; }, 5000) && pixels(aptOff) == off);
    SendMouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(control(IDOK)); }, 10000));
    EXPECT_TRUE(pixels(aptBand) == band && pixels(aptOff) == off);
    EXPECT_EQ(field(IDC_INFO_RECT), "(20, 30), (95, 53)   75 × 23");

    // Copy fills the clipboard. Two clicks on a check box leave its option as
    // it was and the focus on it; moving the dialog by its title bar leaves it there.
    ASSERT_TRUE(OpenClipboard(NULL) && EmptyClipboard() && CloseClipboard());
    click(CenterOf(control(IDC_COPY_TO_CLIPBOARD)));
    EXPECT_TRUE(WaitUntil([&] { return IsClipboardFormatAvailable(CF_TEXT); }, 5000));
    click(CenterOf(control(IDC_AUTO_FIND_ROOT_PARENT)));
    click(CenterOf(control(IDC_AUTO_FIND_ROOT_PARENT)));
    RECT rcDialog, rcMoved;
    GetWindowRect(hWndDialog, &rcDialog);
    POINT ptCaption = {60, -GetSystemMetrics(SM_CYCAPTION) / 2};
    ClientToScreen(hWndDialog, &ptCaption);
    ASSERT_TRUE(MovePointerTo(ptCaption));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(MovePointerTo(POINT{ptCaption.x - 20, ptCaption.y - 10}) &&
                MovePointerTo(POINT{ptCaption.x - 30, ptCaption.y - 24}));
    SendMouse(MOUSEEVENTF_LEFTUP);
    OffsetRect(&rcDialog, -30, -24);
    EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(hWndDialog, &rcMoved) && rcMoved == rcDialog; }, 5000)) << rcMoved;
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(zelbrant.m_pi.dwThreadId, &gui);
    EXPECT_EQ(gui.hwndFocus, control(IDC_AUTO_FIND_ROOT_PARENT));

    // A click on Menu opens the menu: save, the shortcut, which points at this copy, and quit.
    click(CenterOf(control(IDOK)));
    Choose('E', false);
    Choose('B'); // the shortcut is written after the menu has closed
    const std::wstring link = desktop + L"\\Zelbrant.lnk";
    WaitUntil([&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    EXPECT_EQ(ReadShortcut(link), program + L"\n" + dir + L"\nDémarrer l'application Zelbrant\n" + program + L",-101");
    Choose('R');
    EXPECT_EQ(zelbrant.WaitForExit(10000), 0u);

    // Started again, it comes back where it was saved.
    ChildProcess again;
    RECT rcAgain = {};
    ASSERT_TRUE(again.Start(program) && GetWindowRect(again.WaitForWindow("#32770", "Zelbrant", 15000), &rcAgain));
    EXPECT_EQ(rcAgain, rcDialog);
    SetDesktopFolder(L"");
    for (const std::wstring &plant : plants)
        EXPECT_FALSE(marked(plant)) << "planted " << std::string(plant.begin(), plant.end()) << ".dll ran";
}
