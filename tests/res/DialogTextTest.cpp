// The texts the dialogs really show, created from the program's templates and
// read back through the narrow functions: the Windows-1252 bytes the
// program works with, and the private font they are drawn in.
#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "res/resource.h"
#include "support/Process.h"

#include <commctrl.h>
#include <gtest/gtest.h>

// The expected texts below are compiled to Windows-1252, as the program's are.
static_assert("é"[0] == '\xE9' && sizeof("é") == 2, "literals must be Windows-1252");

static const int NO_ID = -1;

struct ShownControl {
    int nId;
    const char *pszText; // null: not a text the program fixes
};

// What a dialog's control shows, read before the dialog is destroyed.
struct ControlState {
    int nId;
    std::string strText;
    std::string strClass;
    bool bHasIcon;
};

// The dialog's controls in creation order, which is the template's.
static std::vector<ControlState> ReadControls(HWND hDlg)
{
    std::vector<ControlState> controls;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[64] = "";
        GetClassNameA(hChild, szClass, sizeof(szClass));
        bool bHasIcon = lstrcmpiA(szClass, "Static") == 0 && SendMessageA(hChild, STM_GETICON, 0, 0) != 0;
        controls.push_back({GetDlgCtrlID(hChild), WindowText(hChild), szClass, bHasIcon});
    }
    return controls;
}

static void ExpectShownTexts(const std::vector<ControlState> &controls, const std::vector<ShownControl> &rows)
{
    ASSERT_EQ(controls.size(), rows.size());
    for (size_t i = 0; i < rows.size(); i++) {
        SCOPED_TRACE("control " + std::to_string(i + 1) + ", id " + std::to_string(rows[i].nId));
        EXPECT_EQ(controls[i].nId, rows[i].nId);
        if (rows[i].pszText) {
            EXPECT_EQ(controls[i].strText, rows[i].pszText);
        }
    }
}

static HWND CreateMainDialog(ZLBR_DlgZelbrant *pDlg)
{
    return CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                              ZLBR_DlgZelbrant::DialogProc, (LPARAM)pDlg);
}

static INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The About box's links need the SysLink class of the version 6 controls.
static HWND CreateAboutBox()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LINK_CLASS};
    InitCommonControlsEx(&icc);
    return CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), NULL, PlainDialogProc, 0);
}

TEST(DialogTexts, TheMainDialogShowsItsCaptionsAsWindows1252Text)
{
    ZLBR_DlgZelbrant dlg(NULL);
    HWND hDlg = CreateMainDialog(&dlg);
    ASSERT_TRUE(hDlg);
    std::string caption = WindowText(hDlg);
    std::vector<ControlState> controls = ReadControls(hDlg);
    DestroyWindow(hDlg);

    // clang-format off
    const std::vector<ShownControl> expected = {
        {NO_ID, "Cliquer et déplacer l'icône cible au-dessus d'une fenêtre pour la sélectionner, "
                "puis relâcher le bouton de la souris."},
        {101, ""},
        {102, "&Garder cette boîte de dialogue au-dessus des autres fenêtres "},
        {103, "Trouver &automatiquement la fenêtre parent racine de la fenêtre pointée "},
        {104, "&Dessine un cadre inversé autour de la fenêtre pointée "},
        {NO_ID, "Fenêtre présentement sélectionnée :"},
        {301, "Titre :"},          {201, ""},
        {302, "Classe :"},         {202, ""},
        {303, "Descripteur :"},    {203, ""},
        {304, "Identificateur :"}, {204, ""},
        {305, "Style :"},          {205, ""},
        {306, "Style étendu :"},   {206, ""},
        {307, "Parent :"},         {207, ""},
        {308, "Rectangle :"},      {208, ""},
        {209, "Garder la &fenêtre sélectionnée au-dessus des autres fenêtres "},
        {401, " &Copier les informations dans le Presse-papiers"},
        {1, " Men&u"},
    };
    // clang-format on
    EXPECT_EQ(caption, "Zelbrant");
    ExpectShownTexts(controls, expected);
    ASSERT_EQ(controls.size(), expected.size());
    const std::string &keepOnTop = controls[2].strText;
    ASSERT_GT(keepOnTop.size(), 16u);
    EXPECT_EQ(keepOnTop.substr(14, 2), "bo");
    EXPECT_EQ((unsigned char)keepOnTop[16], 0xEE) << "the î of boîte";
}

TEST(DialogTexts, TheMainDialogIsDrawnInThePrivateSegoeUiAt8Points)
{
    ZLBR_DlgZelbrant dlg(NULL);
    HWND hDlg = CreateMainDialog(&dlg);
    ASSERT_TRUE(hDlg);
    HFONT hFont = (HFONT)SendMessageA(hDlg, WM_GETFONT, 0, 0);
    LOGFONTA font = {};
    GetObjectA(hFont, sizeof(font), &font);
    HDC hdc = GetDC(hDlg);
    int nPixelsPerInch = GetDeviceCaps(hdc, LOGPIXELSY);
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);
    char szRealisedFace[LF_FACESIZE] = "";
    GetTextFaceA(hdc, sizeof(szRealisedFace), szRealisedFace);
    SelectObject(hdc, hOldFont);
    ReleaseDC(hDlg, hdc);
    DestroyWindow(hDlg);

    EXPECT_STREQ(font.lfFaceName, "Segoe UI");
    EXPECT_EQ(font.lfHeight, -MulDiv(8, nPixelsPerInch, 72));
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_STREQ(szRealisedFace, "Segoe UI");
}

TEST(DialogTexts, TheAboutBoxShowsItsCaptionsAsWindows1252TextBesideItsIconsAndLinks)
{
    HWND hDlg = CreateAboutBox();
    ASSERT_TRUE(hDlg) << "the About box could not be created (no SysLink class?)";
    std::string caption = WindowText(hDlg);
    std::vector<ControlState> controls = ReadControls(hDlg);
    DestroyWindow(hDlg);

    // clang-format off
    const std::vector<ShownControl> expected = {
        {NO_ID, nullptr /* icon */},
        {1026, "Zelbrant\nVersion 0.0.0.0"},
        {NO_ID, nullptr /* maker's logo */},
        {NO_ID, nullptr /* credit line */},
        {1061, nullptr /* link */},
        {NO_ID, "Autre collaborateur :"},
        {213, nullptr /* link */},
        {NO_ID, nullptr /* rights notice */},
        {NO_ID, "Si vous appréciez cette application, faites-le moi savoir en me faisant parvenir un courriel à "
                "partir de mon site Web."},
        {1, " &Fermer"},
    };
    // clang-format on
    EXPECT_EQ(caption, "À propos de Zelbrant");
    ASSERT_FALSE(caption.empty());
    EXPECT_EQ((unsigned char)caption[0], 0xC0) << "the À of À propos";
    ExpectShownTexts(controls, expected);
    ASSERT_EQ(controls.size(), expected.size());
    EXPECT_TRUE(controls[0].bHasIcon);
    EXPECT_TRUE(controls[2].bHasIcon);
    EXPECT_EQ(controls[4].strClass, "SysLink");
    EXPECT_EQ(controls[6].strClass, "SysLink");
}
