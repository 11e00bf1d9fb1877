// The resources as the running program uses them: the texts that both dialogs
// show, read through the narrow functions as Windows-1252 bytes; the icons and
// cursor at each size the program asks for; the sounds; the private font.
#include "app/Application.h"
#include "res/resource.h"
#include "support/Support.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

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

// The caption, then each control's text in tab order, "|" between them; an
// icon's text is its resource name, left out.
static std::string DialogTexts(HWND hDlg)
{
    std::string texts = WindowText(hDlg);
    for (HWND hWnd = GetWindow(hDlg, GW_CHILD); hWnd; hWnd = GetWindow(hWnd, GW_HWNDNEXT))
        texts += "|" + (SendMessageA(hWnd, STM_GETICON, 0, 0) ? "" : WindowText(hWnd));
    DestroyWindow(hDlg);
    return texts;
}

static INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST(DialogTexts, BothDialogsShowTheirFrenchTextsAsWindows1252BytesInTabOrder)
{
    MainDialog main;
    EXPECT_EQ(DialogTexts(main.m_hWnd),
              "Zelbrant|Cliquer et déplacer l'icône cible au-dessus d'une fenêtre pour la sélectionner, puis relâcher "
              "le bouton de la souris.||&Garder cette boîte de dialogue au-dessus des autres fenêtres |Trouver "
              "&automatiquement la fenêtre parent racine de la fenêtre pointée |&Dessine un cadre inversé autour de "
              "la fenêtre pointée |Fenêtre présentement sélectionnée :|Titre :||Classe :||Descripteur :||"
              "Identificateur :||Style :||Style étendu :||Parent :||Rectangle :||Garder la &fenêtre sélectionnée "
              "au-dessus des autres fenêtres | &Copier les informations dans le Presse-papiers| Men&u");
    EXPECT_EQ(DialogTexts(CreateDialogParamA(theApplication.m_hInstance, MAKEINTRESOURCEA(IDD_ABOUT), NULL,
                                             PlainDialogProc, 0)),
              "À propos de Zelbrant||Zelbrant\nVersion 0.0.0.0||Conçu et réalisé par Morvane|<a "
              "href=\"https://zelbrant.example.org/\">https://zelbrant.example.org/</a>|Autre collaborateur :|<a "
              "href=\"https://lucien-arbour.example.net/\">https://lucien-arbour.example.net/</a>|© 2026 Morvane.\n"
              "Tous droits réservés.|Si vous appréciez cette application, faites-le moi savoir en me faisant "
              "parvenir un courriel à partir de mon site Web.| &Fermer");
}

// Every icon group holds a 32-bit image with alpha, an uncompressed DIB, at
// each size the system may ask for; the finder cursor is one 32-pixel such
// image with its hot spot at (15, 15).
TEST(ImageResources, EveryIconHas32And24And16PixelImagesOf32BitsWithAlphaAndTheCursorItsHotSpot)
{
    for (UINT nGroup : {IDI_MAIN, IDI_MAIN_SHELL, IDI_ABOUT, IDI_MAKER_LOGO, IDI_CLOSE, IDI_MENU, IDI_SAVE,
                        IDI_SHORTCUT, IDI_QUIT, IDI_FINDER_EMPTY, IDI_FINDER_FULL, IDI_COPY, IDC_FINDER_CURSOR})
        for (auto size : {std::make_pair(32, 4264u), std::make_pair(24, 2440u), std::make_pair(16, 1128u)}) {
            bool bCursor = nGroup == IDC_FINDER_CURSOR;
            Bytes group = Resource(bCursor ? RT_GROUP_CURSOR : RT_GROUP_ICON, nGroup);
            if (bCursor && size.first != 32)
                continue;
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
            EXPECT_EQ(memcmp(image.data(), &header, sizeof(header)), 0);
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
    const DWORD sounds[][4] = {
        {IDW_SHORTCUT_CREATED, 22050, 16, 74502}, {IDW_OPTION_ON, 22050, 8, 12147},  {IDW_FAILURE, 22050, 8, 9952},
        {IDW_SETTINGS_SAVED, 22050, 16, 30466},   {IDW_OPTION_OFF, 22050, 8, 12624}, {IDW_COPIED, 11025, 8, 6515}};
    for (const DWORD *s : sounds) {
        Bytes wave = Resource("WAVE", s[0]);
        DWORD cbPadded = s[3] + s[3] % 2, cbSample = s[2] / 8; // chunks are padded to an even length
        const DWORD header[] = {FOURCC_RIFF,
                                36 + cbPadded,
                                mmioFOURCC('W', 'A', 'V', 'E'),
                                mmioFOURCC('f', 'm', 't', ' '),
                                16,
                                MAKELONG(WAVE_FORMAT_PCM, 1),
                                s[1],
                                s[1] * cbSample,
                                MAKELONG(cbSample, s[2]),
                                mmioFOURCC('d', 'a', 't', 'a'),
                                s[3]};
        ASSERT_EQ(wave.size(), sizeof(header) + cbPadded) << "sound " << s[0];
        EXPECT_EQ(memcmp(wave.data(), header, sizeof(header)), 0) << "sound " << s[0];
    }
}

// The private font is the regular TrueType file that the system realises for
// the name, not a substitute that merely answers to it.
TEST(FontResource, OnceInstalledTheTrueTypeFileIsTheRegularSegoeUiTheSystemRealises)
{
    HRSRC hInfo = FindResourceA(theApplication.m_hInstance, "SegoeUI.ttf", "PRIVATE_FONT");
    const BYTE *pFont = (const BYTE *)LockResource(LoadResource(theApplication.m_hInstance, hInfo));
    Bytes font(pFont, pFont + SizeofResource(theApplication.m_hInstance, hInfo));
    HDC hdc = CreateCompatibleDC(NULL);
    HGDIOBJ hOldFont =
        SelectObject(hdc, CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Segoe UI"));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(hdc, &metrics);
    DWORD cbRealised = GetFontData(hdc, 0, 0, NULL, 0);
    Bytes realised(cbRealised == GDI_ERROR ? 0 : cbRealised);
    GetFontData(hdc, 0, 0, realised.data(), (DWORD)realised.size());
    DeleteObject(SelectObject(hdc, hOldFont));
    DeleteDC(hdc);
    EXPECT_TRUE(theApplication.m_hPrivateFont && realised == font);
    EXPECT_EQ(Bytes(font.begin(), font.begin() + 4), (Bytes{0, 1, 0, 0})) << "TrueType outlines";
    EXPECT_TRUE(metrics.tmWeight == FW_NORMAL && !metrics.tmItalic);
}
