// The resources as the running program uses them: the texts that both dialogs
// show, read through the narrow functions as Windows-1252 bytes; the icons and
// cursor at each size the program asks for; the sounds; the private font.
#include "app/Application.h"
#include "dialog/DlgZelbrant.h"
#include "res/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <mmsystem.h>

#include <string>
#include <vector>

// The expected texts are compiled to Windows-1252, as the program's are.
static_assert("é"[0] == '\xE9' && sizeof("é") == 2, "literals must be Windows-1252");

typedef std::vector<BYTE> Bytes;

static Bytes Resource(LPCSTR pszType, UINT nId)
{
    HRSRC hInfo = FindResourceA(theApplication.m_hInstance, MAKEINTRESOURCEA(nId), pszType);
    const BYTE *pData = hInfo ? (const BYTE *)LockResource(LoadResource(theApplication.m_hInstance, hInfo)) : NULL;
    return pData ? Bytes(pData, pData + SizeofResource(theApplication.m_hInstance, hInfo)) : Bytes();
}

static INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST(DialogTexts, BothDialogsShowTheirFrenchTextsAsWindows1252BytesInTabOrder)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LINK_CLASS}; // the About box's links
    InitCommonControlsEx(&icc);
    ZLBR_DlgZelbrant dlg(NULL);
    HWND hMain = CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_MAIN), NULL,
                                    ZLBR_DlgZelbrant::DialogProc, (LPARAM)&dlg);
    HWND hAbout = CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), NULL, PlainDialogProc, 0);
    ASSERT_TRUE(hMain && hAbout);
    // The dialog's caption, then each control's; icons show no text.
    const std::vector<std::string> MAIN_TEXTS = {
        "Zelbrant",
        "Cliquer et déplacer l'icône cible au-dessus d'une fenêtre pour la sélectionner, puis relâcher le bouton de "
        "la souris.",
        "",
        "&Garder cette boîte de dialogue au-dessus des autres fenêtres ",
        "Trouver &automatiquement la fenêtre parent racine de la fenêtre pointée ",
        "&Dessine un cadre inversé autour de la fenêtre pointée ",
        "Fenêtre présentement sélectionnée :",
        "Titre :",
        "",
        "Classe :",
        "",
        "Descripteur :",
        "",
        "Identificateur :",
        "",
        "Style :",
        "",
        "Style étendu :",
        "",
        "Parent :",
        "",
        "Rectangle :",
        "",
        "Garder la &fenêtre sélectionnée au-dessus des autres fenêtres ",
        " &Copier les informations dans le Presse-papiers",
        " Men&u"};
    const std::string page = dlg.m_strWebPage;
    const std::vector<std::string> ABOUT_TEXTS = {
        "À propos de Zelbrant",
        "",
        "Zelbrant\nVersion 0.0.0.0",
        "",
        "Conçu et réalisé par Morvane",
        "<a href=\"" + page + "\">" + page + "</a>", // the page that F1 opens
        "Autre collaborateur :",
        "<a href=\"https://lucien-arbour.example.net/\">https://lucien-arbour.example.net/</a>",
        "© 2026 Morvane.\nTous droits réservés.",
        "Si vous appréciez cette application, faites-le moi savoir en me faisant parvenir un courriel à partir de mon "
        "site Web.",
        " &Fermer"};
    for (auto dialog : {std::make_pair(hMain, &MAIN_TEXTS), std::make_pair(hAbout, &ABOUT_TEXTS)}) {
        std::vector<HWND> windows = {dialog.first};
        for (HWND hWnd = GetWindow(dialog.first, GW_CHILD); hWnd; hWnd = GetWindow(hWnd, GW_HWNDNEXT))
            windows.push_back(hWnd);
        ASSERT_EQ(windows.size(), dialog.second->size());
        for (size_t i = 0; i < windows.size(); i++) {
            char szText[256] = "";
            GetWindowTextA(windows[i], szText, sizeof(szText));
            if (!(*dialog.second)[i].empty()) { // the text of an icon is its resource name
                EXPECT_EQ(szText, (*dialog.second)[i]);
            }
        }
    }
    DestroyWindow(hMain);
    DestroyWindow(hAbout);
}

// Every icon group holds its own 32-bit image with alpha for each size the
// system may ask for, a plain DIB of the size that every system reads; the
// finder cursor is one 32-pixel such image with its hot spot at (15, 15).
TEST(ImageResources, EveryIconHas32And24And16PixelImagesOf32BitsWithAlphaAndTheCursorItsHotSpot)
{
    const std::pair<int, size_t> SIZES[] = {{32, 4264}, {24, 2440}, {16, 1128}};
    for (UINT nGroup : {IDI_MAIN, IDI_MAIN_SHELL, IDI_ABOUT, IDI_MAKER_LOGO, IDI_CLOSE, IDI_MENU, IDI_SAVE,
                        IDI_SHORTCUT, IDI_QUIT, IDI_FINDER_EMPTY, IDI_FINDER_FULL, IDI_COPY, IDC_FINDER_CURSOR})
        for (auto size : SIZES) {
            bool bCursor = nGroup == IDC_FINDER_CURSOR;
            if (bCursor && size.first != 32)
                continue;
            Bytes group = Resource(bCursor ? RT_GROUP_CURSOR : RT_GROUP_ICON, nGroup);
            int nImage = group.empty() ? 0
                                       : LookupIconIdFromDirectoryEx(group.data(), !bCursor, size.first, size.first,
                                                                     LR_DEFAULTCOLOR);
            Bytes image = Resource(bCursor ? RT_CURSOR : RT_ICON, nImage);
            SCOPED_TRACE(testing::Message() << "group " << nGroup << ", " << size.first << " px");
            if (bCursor) { // the hot spot's x and y come before the picture
                ASSERT_EQ(image.size(), 4 + size.second);
                EXPECT_EQ(Bytes(image.begin(), image.begin() + 4), (Bytes{15, 0, 15, 0}));
                image.erase(image.begin(), image.begin() + 4);
            }
            ASSERT_EQ(image.size(), size.second);
            const BITMAPINFOHEADER header = {sizeof(header), size.first, 2 * size.first, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            EXPECT_EQ(memcmp(image.data(), &header, sizeof(header)), 0) << "an uncompressed 32-bit DIB";
            bool bAlpha = false; // without alpha the picture is drawn by its mask alone
            for (int i = 0; i < size.first * size.first; i++)
                bAlpha = bAlpha || image[sizeof(header) + 4 * i + 3] != 0;
            EXPECT_TRUE(bAlpha);
        }
}

// Each sound is a whole mono PCM RIFF/WAVE file of its rate, depth and length,
// so that PlaySound can play it straight from memory.
TEST(SoundResources, EverySoundIsAWholeMonoPcmWaveOfItsRateDepthAndLength)
{
    struct Sound {
        UINT nId;
        DWORD dwRate;
        WORD wBits;
        DWORD cbData;
    } sounds[] = {
        {IDW_SHORTCUT_CREATED, 22050, 16, 74502}, {IDW_OPTION_ON, 22050, 8, 12147},  {IDW_FAILURE, 22050, 8, 9952},
        {IDW_SETTINGS_SAVED, 22050, 16, 30466},   {IDW_OPTION_OFF, 22050, 8, 12624}, {IDW_COPIED, 11025, 8, 6515}};
    for (const Sound &sound : sounds) {
        Bytes wave = Resource("WAVE", sound.nId);
        DWORD cbPadded = sound.cbData + sound.cbData % 2; // chunks are padded to an even length
        WORD cbSample = sound.wBits / 8;
        const DWORD header[] = {FOURCC_RIFF,
                                36 + cbPadded,
                                mmioFOURCC('W', 'A', 'V', 'E'),
                                mmioFOURCC('f', 'm', 't', ' '),
                                16,
                                MAKELONG(WAVE_FORMAT_PCM, 1),
                                sound.dwRate,
                                sound.dwRate * cbSample,
                                MAKELONG(cbSample, sound.wBits),
                                mmioFOURCC('d', 'a', 't', 'a'),
                                sound.cbData};
        ASSERT_EQ(wave.size(), sizeof(header) + cbPadded) << "sound " << sound.nId;
        EXPECT_EQ(memcmp(wave.data(), header, sizeof(header)), 0) << "sound " << sound.nId;
    }
}

TEST(FontResource, OnceInstalledTheTrueTypeFileIsTheRegularSegoeUiTheSystemRealises)
{
    ASSERT_TRUE(theApplication.m_hPrivateFont);
    HRSRC hInfo = FindResourceA(theApplication.m_hInstance, "SegoeUI.ttf", "PRIVATE_FONT");
    const BYTE *pFont = (const BYTE *)LockResource(LoadResource(theApplication.m_hInstance, hInfo));
    Bytes font(pFont, pFont + SizeofResource(theApplication.m_hInstance, hInfo));
    HDC hdc = CreateCompatibleDC(NULL);
    HFONT hFont = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Segoe UI");
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(hdc, &metrics);
    // The same file, and not a substitute that merely answers to the name.
    DWORD cbRealised = GetFontData(hdc, 0, 0, NULL, 0);
    Bytes realised(cbRealised == GDI_ERROR ? 0 : cbRealised);
    GetFontData(hdc, 0, 0, realised.data(), (DWORD)realised.size());
    SelectObject(hdc, hOldFont);
    DeleteObject(hFont);
    DeleteDC(hdc);

    EXPECT_TRUE(realised == font);
    EXPECT_EQ(Bytes(font.begin(), font.begin() + 4), (Bytes{0, 1, 0, 0})) << "TrueType outlines";
    EXPECT_EQ(metrics.tmWeight, FW_NORMAL) << "Regular";
    EXPECT_FALSE(metrics.tmItalic);
}
