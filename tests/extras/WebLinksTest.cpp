// F1, the context-help command and the About box: each opens its own web
// address through the shell, and an address no program can open is told once.
#include "app/Application.h"
#include "extras/AboutDialog.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/MouseInput.h"
#include "support/Registry.h"
#include "support/ZelbrantProcess.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

const char s_szProductPage[] = "https://zelbrant.example.org/";
const char s_szCollaboratorSite[] = "https://lucien-arbour.example.net/";
const char s_szCannotOpen[] = "\n\nImpossible d'ouvrir l'adresse de ce site Web.";
// A handler whose program does not exist: the shell cannot start it.
const char s_szBrokenHandler[] = "\"C:\\nulle-part\\navigateur.exe\" %1";
const char *const s_apszHandlerKeys[2] = {"Software\\Classes\\http\\shell\\open\\command",
                                          "Software\\Classes\\https\\shell\\open\\command"};

// The prefix's handler of http and https addresses for the test's time:
// url_recorder.exe, or the command given. Wine reads it from the machine's
// classes only, never from the user's, and would start a real browser.
class UrlHandler {
public:
    explicit UrlHandler(const char *pszCommand = NULL)
    {
        std::wstring recorder = BinDirectory() + L"url_recorder.exe";
        std::string strCommand =
            pszCommand ? pszCommand : "\"" + std::string(recorder.begin(), recorder.end()) + "\" %1";
        for (int i = 0; i < 2; i++) {
            char szPrevious[1024] = "";
            DWORD cb = sizeof szPrevious;
            RegGetValueA(HKEY_LOCAL_MACHINE, s_apszHandlerKeys[i], NULL, RRF_RT_REG_SZ, NULL, szPrevious, &cb);
            m_astrPrevious[i] = szPrevious;
            Write(s_apszHandlerKeys[i], strCommand);
        }
    }
    ~UrlHandler()
    {
        for (int i = 0; i < 2; i++)
            Write(s_apszHandlerKeys[i], m_astrPrevious[i]);
    }

private:
    static void Write(const char *pszKey, const std::string &str)
    {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, pszKey, NULL, REG_SZ, str.c_str(), (DWORD)str.size() + 1);
    }
    std::string m_astrPrevious[2];
};

// The address that url_recorder.exe is asked to open after the action; empty
// when none within the time.
std::string OpenedBy(const std::function<void()> &action)
{
    DeleteRegistryKey("Software\\ZelbrantTests");
    action();
    char szOpened[4096] = "";
    WaitUntil(
        [&] {
            DWORD cb = sizeof szOpened;
            return RegGetValueA(HKEY_CURRENT_USER, "Software\\ZelbrantTests", "OpenedAddress", RRF_RT_REG_SZ, NULL,
                                szOpened, &cb) == 0;
        },
        5000);
    return szOpened;
}

TEST(WebLinks, F1OnEveryControlAndTheContextHelpCommandOpenTheProductPage)
{
    UrlHandler recorder;
    DeleteRegistryKey(theApplication.m_strRegistryKey); // the first start: check box 104 is disabled
    ZelbrantProcess zelbrant;
    ASSERT_TRUE(zelbrant.Start());
    HWND hWndDialog = zelbrant.m_hWndDialog;
    SetForegroundWindow(hWndDialog);

    // The focus starts on Menu; Tab then walks through the enabled options.
    for (int nId : {IDOK, IDC_KEEP_DIALOG_ON_TOP, IDC_AUTO_FIND_ROOT_PARENT}) {
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof gti;
        GetGUIThreadInfo(zelbrant.m_process.m_pi.dwThreadId, &gti);
        EXPECT_EQ(GetDlgCtrlID(gti.hwndFocus), nId);
        EXPECT_EQ(OpenedBy([] { PressKey(VK_F1); }), s_szProductPage) << "F1 on control " << nId;
        PressKey(VK_TAB);
    }
    EXPECT_EQ(OpenedBy([&] { PostMessageA(hWndDialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }), s_szProductPage);
    {
        UrlHandler broken(s_szBrokenHandler);
        PressKey(VK_F1);
        HWND hWndBox = zelbrant.m_process.WaitForWindow("#32770", NULL, 5000, hWndDialog);
        ASSERT_TRUE(hWndBox) << "no message box owned by the dialog";
        EXPECT_EQ(MessageBoxText(hWndBox), s_szProductPage + std::string(s_szCannotOpen));
        DismissMessageBox(hWndBox);
    }
    // Once the box is dismissed, F1 works as before.
    EXPECT_EQ(OpenedBy([] { PressKey(VK_F1); }), s_szProductPage);
    EXPECT_EQ(zelbrant.Close(), 0u);
}

// The About box as the menu opens it: modal, owned by the main dialog. The
// action runs inside the box's own loop; the box is closed after it.
std::function<void(HWND)> s_aboutAction;

void CALLBACK ActOnAboutBox(HWND hWndOwner, UINT, UINT_PTR idTimer, DWORD)
{
    KillTimer(hWndOwner, idTimer);
    HWND hWndBox = GetLastActivePopup(hWndOwner);
    if (hWndBox != hWndOwner)
        s_aboutAction(hWndBox);
    else
        ADD_FAILURE() << "the About box is not up";
    PostMessageA(hWndBox, WM_COMMAND, IDCANCEL, 0);
}

INT_PTR RunAboutBox(HWND hWndOwner, const std::function<void(HWND)> &action)
{
    s_aboutAction = action;
    SetTimer(hWndOwner, 1, 100, ActOnAboutBox);
    return DialogBoxParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), hWndOwner, AboutDlgProc, 0);
}

// A link's notification as the link sends it, with the address its markup
// holds; the answer is the box's message result.
LRESULT NotifyFromLink(HWND hWndBox, int nId, UINT nCode)
{
    NMLINK nm = {};
    nm.hdr.hwndFrom = GetDlgItem(hWndBox, nId);
    nm.hdr.idFrom = nId;
    nm.hdr.code = nCode;
    nm.item.mask = LIF_ITEMINDEX | LIF_URL;
    SendMessageW(nm.hdr.hwndFrom, LM_GETITEM, 0, (LPARAM)&nm.item);
    SetWindowLongA(hWndBox, DWL_MSGRESULT, 1);
    return SendMessageA(hWndBox, WM_NOTIFY, nId, (LPARAM)&nm);
}

TEST(AboutBox, ShowsTheVersionCentredOverTheDialogInsideTheWorkAreaAndGivesBackItsIcons)
{
    const POINT aptOwner[] = {{400, 300}, {-250, -120}}; // the second is past the screen's top-left corner
    for (POINT ptOwner : aptOwner) {
        MainDialog main;
        SetWindowPos(main.m_hWnd, NULL, ptOwner.x, ptOwner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        HICON hClose = NULL, hSmall = NULL;
        INT_PTR nResult = RunAboutBox(main.m_hWnd, [&](HWND hWndBox) {
            EXPECT_EQ(WindowText(hWndBox), "\xC0 propos de Zelbrant");
            EXPECT_EQ(WindowText(GetDlgItem(hWndBox, IDC_ABOUT_VERSION)), "Zelbrant\nVersion 1.3.0.0");
            EXPECT_EQ(GetFocus(), GetDlgItem(hWndBox, IDOK));
            RECT rcBox, rcOwner, rcWork;
            GetWindowRect(hWndBox, &rcBox);
            GetWindowRect(main.m_hWnd, &rcOwner);
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
            EXPECT_TRUE(rcBox.left >= rcWork.left && rcBox.top >= rcWork.top && rcBox.right <= rcWork.right &&
                        rcBox.bottom <= rcWork.bottom);
            if (ptOwner.x > 0) {
                EXPECT_NEAR(rcBox.left + rcBox.right, rcOwner.left + rcOwner.right, 1);
                EXPECT_NEAR(rcBox.top + rcBox.bottom, rcOwner.top + rcOwner.bottom, 1);
            }
            hClose = (HICON)SendMessageA(GetDlgItem(hWndBox, IDOK), BM_GETIMAGE, IMAGE_ICON, 0);
            hSmall = (HICON)SendMessageA(hWndBox, WM_GETICON, ICON_SMALL, 0);
        });
        EXPECT_EQ(nResult, IDCANCEL);
        ICONINFO ii;
        EXPECT_TRUE(hClose && !GetIconInfo(hClose, &ii)) << "Fermer's icon missing or left behind";
        EXPECT_TRUE(hSmall && !GetIconInfo(hSmall, &ii)) << "the small icon missing or left behind";
    }
}

// Wine's SysLink keeps the Enter key whatever its style, so Enter never
// reaches Fermer there; an NM_RETURN that a link sends is tested instead.
TEST(AboutBox, EachLinkOpensItsOwnAddressAndAFailureIsToldOverTheBox)
{
    UrlHandler recorder;
    MainDialog main;
    EXPECT_EQ(main.m_dlg.m_strWebPage, s_szProductPage); // the page F1 opens
    RunAboutBox(main.m_hWnd, [&](HWND hWndBox) {
        const struct {
            int nId;
            UINT nCode;
            const char *pszAddress;
        } aLinks[] = {
            {IDC_ABOUT_LINK_PRODUCT, NM_CLICK, s_szProductPage},
            {IDC_ABOUT_LINK_COLLABORATOR, NM_CLICK, s_szCollaboratorSite},
            {IDC_ABOUT_LINK_COLLABORATOR, NM_RETURN, s_szCollaboratorSite},
        };
        for (const auto &link : aLinks) {
            LRESULT nResult = 1;
            EXPECT_EQ(OpenedBy([&] { nResult = NotifyFromLink(hWndBox, link.nId, link.nCode); }), link.pszAddress)
                << "link " << link.nId;
            EXPECT_EQ(nResult, 0);
        }
        UrlHandler broken(s_szBrokenHandler);
        MessageBoxCatcher box(NULL, hWndBox);
        NotifyFromLink(hWndBox, IDC_ABOUT_LINK_COLLABORATOR, NM_CLICK);
        EXPECT_EQ(box.Text(), s_szCollaboratorSite + std::string(s_szCannotOpen));
        EXPECT_TRUE(IsWindowVisible(hWndBox));
    });
}

} // namespace
