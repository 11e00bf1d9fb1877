// The two dialogs: their extended templates, read as the dialog manager reads
// them, and the texts that their controls show once created, read through the
// narrow functions as the Windows-1252 bytes that the program works with.
#include "ProgramResources.h"

#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "res/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <tuple>

// The expected texts are compiled to Windows-1252, as the program's are.
static_assert("é"[0] == '\xE9' && sizeof("é") == 2, "literals must be Windows-1252");

typedef std::array<short, 4> DialogRect; // x, y, cx, cy in dialog units

struct Control {
    int nId;
    std::string strClass;   // upper case: class names are case-blind
    std::string strCaption; // an icon given by ordinal reads "#101"
    DWORD dwStyle;
    DialogRect rc;
    DWORD dwExStyle = 0;
    DWORD dwHelpId = 0;
    WORD cbExtra = 0;
};

struct Dialog {
    WORD wId;
    std::string strCaption;
    DWORD dwStyle;
    DWORD dwExStyle;
    DialogRect rc;
    std::vector<Control> controls;
    // Alike in both: an extended template without help id, menu or class of
    // its own, in 8-point regular Segoe UI of the default character set.
    WORD wVersion = 1, wSignature = 0xFFFF;
    DWORD dwHelpId = 0;
    std::string strMenu = "", strClass = "";
    WORD wPointSize = 8, wWeight = 400;
    BYTE bItalic = 0, bCharSet = 0;
    std::string strTypeface = "Segoe UI";
};

static auto HeaderFields(const Dialog &d)
{
    return std::make_tuple(d.strCaption, d.dwStyle, d.dwExStyle, d.rc, d.wVersion, d.wSignature, d.dwHelpId, d.strMenu,
                           d.strClass, d.wPointSize, d.wWeight, d.bItalic, d.bCharSet, d.strTypeface);
}

static auto ControlFields(const Control &c)
{
    return std::make_tuple(c.nId, c.strClass, c.strCaption, c.dwStyle, c.rc, c.dwExStyle, c.dwHelpId, c.cbExtra);
}

const DWORD CHILD = WS_CHILD | WS_VISIBLE;
const DWORD LABEL = CHILD | WS_GROUP | SS_LEFT;
const DWORD ICON = CHILD | WS_GROUP | SS_ICON;
const DWORD INFO = CHILD | ES_AUTOHSCROLL | ES_READONLY;
const DWORD CHECK_BOX = CHILD | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX;
const DWORD LINK = CHILD | WS_GROUP | WS_TABSTOP | LWS_IGNORERETURN;
const DWORD BUTTON = CHILD | WS_GROUP | WS_TABSTOP;

// clang-format off
static const Dialog MAIN_DIALOG = {IDD_MAIN, "Zelbrant", WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
    WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT, WS_EX_APPWINDOW, {0, 0, 296, 199}, {
    {-1,  "STATIC", "Cliquer et déplacer l'icône cible au-dessus d'une fenêtre pour la sélectionner, puis "
                    "relâcher le bouton de la souris.",                               LABEL, {6, 6, 232, 16}},
    {101, "STATIC", "",                                             ICON | SS_REALSIZEIMAGE, {242, 6, 20, 20}},
    {102, "BUTTON", "&Garder cette boîte de dialogue au-dessus des autres fenêtres ", CHECK_BOX, {6, 26, 227, 10}},
    {103, "BUTTON", "Trouver &automatiquement la fenêtre parent racine de la fenêtre pointée ",
                                                                                      CHECK_BOX, {6, 36, 263, 10}},
    {104, "BUTTON", "&Dessine un cadre inversé autour de la fenêtre pointée ",        CHECK_BOX, {6, 46, 202, 10}},
    {-1,  "BUTTON", "Fenêtre présentement sélectionnée :",                  CHILD | BS_GROUPBOX, {6, 66, 285, 104}},
    {301, "STATIC", "Titre :",          LABEL, {12, 78, 20, 8}},   {201, "EDIT", "", INFO, {60, 78, 222, 12}},
    {302, "STATIC", "Classe :",         LABEL, {12, 90, 26, 8}},   {202, "EDIT", "", INFO, {60, 90, 222, 12}},
    {303, "STATIC", "Descripteur :",    LABEL, {12, 102, 44, 8}},  {203, "EDIT", "", INFO, {60, 102, 90, 12}},
    {304, "STATIC", "Identificateur :", LABEL, {184, 102, 51, 8}}, {204, "EDIT", "", INFO, {238, 102, 46, 12}},
    {305, "STATIC", "Style :",          LABEL, {12, 114, 21, 8}},  {205, "EDIT", "", INFO, {60, 114, 46, 12}},
    {306, "STATIC", "Style étendu :",   LABEL, {184, 114, 48, 8}}, {206, "EDIT", "", INFO, {238, 114, 46, 12}},
    {307, "STATIC", "Parent :",         LABEL, {12, 126, 27, 8}},  {207, "EDIT", "", INFO, {60, 126, 46, 12}},
    {308, "STATIC", "Rectangle :",      LABEL, {12, 138, 39, 8}},  {208, "EDIT", "", INFO, {60, 138, 222, 12}},
    {209, "BUTTON", "Garder la &fenêtre sélectionnée au-dessus des autres fenêtres ", CHECK_BOX, {12, 154, 225, 10}},
    {401, "BUTTON", " &Copier les informations dans le Presse-papiers", BUTTON | BS_PUSHBUTTON, {6, 176, 184, 16}},
    {1,   "BUTTON", " Men&u",                                        BUTTON | BS_DEFPUSHBUTTON, {240, 176, 50, 16}},
}};

static const Dialog ABOUT_BOX = {IDD_ABOUT, "À propos de Zelbrant", WS_POPUP | WS_CAPTION | WS_SYSMENU |
    DS_MODALFRAME | DS_SETFONT, 0, {0, 0, 244, 170}, {
    {-1,   "STATIC",  "#101",                                                ICON, {6, 6, 20, 20}},
    {1026, "STATIC",  "Zelbrant\nVersion 0.0.0.0",                LABEL | SS_NOPREFIX, {34, 8, 172, 16}},
    {-1,   "STATIC",  "#140",                                                ICON, {6, 42, 20, 20}},
    {-1,   "STATIC",  "Conçu et réalisé par Morvane",                           LABEL, {34, 40, 76, 8}},
    {1061, "SYSLINK", "<a href=\"https://zelbrant.example.org/\">https://zelbrant.example.org/</a>",
                                                                                   LINK, {38, 48, 170, 8}},
    {-1,   "STATIC",  "Autre collaborateur :",                                  LABEL, {34, 64, 72, 8}},
    {213,  "SYSLINK", "<a href=\"https://lucien-arbour.example.net/\">https://lucien-arbour.example.net/</a>",
                                                                                   LINK, {38, 72, 170, 8}},
    {-1,   "STATIC",  "© 2026 Morvane.\nTous droits réservés.",                 LABEL, {34, 88, 114, 16}},
    {-1,   "STATIC",  "Si vous appréciez cette application, faites-le moi savoir en me faisant parvenir un "
                      "courriel à partir de mon site Web.",                        LABEL, {8, 114, 210, 24}},
    {1,    "BUTTON",  " &Fermer",                                 BUTTON | BS_DEFPUSHBUTTON, {166, 136, 70, 28}},
}};
// clang-format on

// Reads a template field after field, as the dialog manager does; past its
// end every field reads zero.
static Dialog ProgramDialog(WORD wId)
{
    Bytes bytes = ProgramResource(RT_DIALOG, MAKEINTRESOURCEA(wId), LANGUAGE_FRENCH_CANADA);
    size_t nPos = 0;
    auto byte = [&] { return (BYTE)(nPos < bytes.size() ? bytes[nPos++] : 0); };
    auto word = [&] { return WordAt(bytes, (nPos += 2) - 2); };
    auto dword = [&] { return DwordAt(bytes, (nPos += 4) - 4); };
    auto rect = [&] { return DialogRect{(short)word(), (short)word(), (short)word(), (short)word()}; };
    // A string in Windows-1252, or 0xFFFF and an ordinal, written "#n".
    auto text = [&] {
        if (WordAt(bytes, nPos) == 0xFFFF)
            return "#" + std::to_string((word(), word()));
        std::wstring wide;
        for (WORD w = word(); w != 0; w = word())
            wide += (wchar_t)w;
        char szText[1024] = "";
        WideCharToMultiByte(1252, 0, wide.c_str(), -1, szText, sizeof(szText), NULL, NULL);
        return std::string(szText);
    };
    Dialog dialog = {};
    dialog.wVersion = word();
    dialog.wSignature = word();
    dialog.dwHelpId = dword();
    dialog.dwExStyle = dword();
    dialog.dwStyle = dword();
    WORD cControls = word();
    dialog.rc = rect();
    dialog.strMenu = text();
    dialog.strClass = text();
    dialog.strCaption = text();
    dialog.wPointSize = word(); // there because of DS_SETFONT
    dialog.wWeight = word();
    dialog.bItalic = byte();
    dialog.bCharSet = byte();
    dialog.strTypeface = text();
    for (WORD i = 0; i < cControls; i++) {
        nPos = (nPos + 3) & ~(size_t)3; // each control starts on a 4-byte boundary
        Control control = {};
        control.dwHelpId = dword();
        control.dwExStyle = dword();
        control.dwStyle = dword();
        control.rc = rect();
        control.nId = (int)dword();
        control.strClass = text();
        CharUpperA(&control.strClass[0]);
        control.strCaption = text();
        control.cbExtra = word();
        dialog.controls.push_back(control);
    }
    return dialog;
}

// The texts as the program reads them: the Windows-1252 bytes that
// GetWindowTextA gives. Controls are created in the template's order.
static void ExpectCaptionsShown(HWND hDlg, const Dialog &expected)
{
    char szText[256] = "";
    GetWindowTextA(hDlg, szText, sizeof(szText));
    EXPECT_EQ(std::string(szText), expected.strCaption);
    HWND hControl = GetWindow(hDlg, GW_CHILD);
    for (const Control &control : expected.controls) {
        // The text of an icon's static is the icon's resource name, not a caption.
        if (control.strCaption[0] != '#') {
            GetWindowTextA(hControl, szText, sizeof(szText));
            EXPECT_EQ(std::string(szText), control.strCaption) << "control " << control.nId;
        }
        hControl = GetWindow(hControl, GW_HWNDNEXT);
    }
}

static INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST(DialogTemplates, EachIsAnExtendedTemplateInSegoeUi8WithItsCaptionStylesSizeAndControlsInTabOrder)
{
    for (const Dialog *pExpected : {&MAIN_DIALOG, &ABOUT_BOX}) {
        Dialog dialog = ProgramDialog(pExpected->wId);
        EXPECT_EQ(HeaderFields(dialog), HeaderFields(*pExpected));
        ASSERT_EQ(dialog.controls.size(), pExpected->controls.size()) << "dialog " << pExpected->wId;
        for (size_t i = 0; i < dialog.controls.size(); i++)
            EXPECT_EQ(ControlFields(dialog.controls[i]), ControlFields(pExpected->controls[i])) << "control " << i + 1;
    }
}

TEST(DialogTemplates, TheAboutBoxLinksToThePageThatF1Opens)
{
    ZLBR_DlgZelbrant dlg(NULL);
    const std::string &page = dlg.m_strWebPage;
    EXPECT_EQ(ProgramDialog(IDD_ABOUT).controls.at(4).strCaption, "<a href=\"" + page + "\">" + page + "</a>");
}

TEST(DialogTexts, BothDialogsShowTheirCaptionsAsWindows1252Bytes)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LINK_CLASS}; // the About box's links
    InitCommonControlsEx(&icc);
    ZLBR_DlgZelbrant dlg(NULL);
    HWND hMain = CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                    ZLBR_DlgZelbrant::DialogProc, (LPARAM)&dlg);
    HWND hAbout = CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), NULL, PlainDialogProc, 0);
    ASSERT_TRUE(hMain && hAbout);

    ExpectCaptionsShown(hMain, MAIN_DIALOG);
    ExpectCaptionsShown(hAbout, ABOUT_BOX);
    DestroyWindow(hMain);
    DestroyWindow(hAbout);
}
