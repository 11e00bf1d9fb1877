// The resources as the running program uses them: the icons and cursor at
// each size the program asks for; the sounds; the private font.
#include "app/Application.h"
#include "res/resource.h"
#include "support/Support.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <vector>

typedef std::vector<BYTE> Bytes;

static Bytes Resource(LPCSTR pszType, UINT nId)
{
    HRSRC hInfo = FindResourceA(theApplication.m_hInstance, MAKEINTRESOURCEA(nId), pszType);
    const BYTE *pData = hInfo ? (const BYTE *)LockResource(LoadResource(theApplication.m_hInstance, hInfo)) : NULL;
    return pData ? Bytes(pData, pData + SizeofResource(theApplication.m_hInstance, hInfo)) : Bytes();
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

// Each sound is a whole mono PCM RIFF/WAVE file, so that PlaySound can play
// it straight from memory.
TEST(SoundResources, EverySoundIsAWholeMonoPcmWave)
{
    for (UINT nId :
         {IDW_SHORTCUT_CREATED, IDW_OPTION_ON, IDW_FAILURE, IDW_SETTINGS_SAVED, IDW_OPTION_OFF, IDW_COPIED}) {
        Bytes wave = Resource("WAVE", nId);
        ASSERT_GE(wave.size(), 44u) << nId;
        const DWORD *pHeader = (const DWORD *)wave.data();
        DWORD cbData = pHeader[10], cbSample = HIWORD(pHeader[8]) / 8; // chunks are padded to an even length
        EXPECT_TRUE(pHeader[0] == FOURCC_RIFF && pHeader[1] == wave.size() - 8 &&
                    pHeader[2] == mmioFOURCC('W', 'A', 'V', 'E') && pHeader[3] == mmioFOURCC('f', 'm', 't', ' ') &&
                    pHeader[4] == 16 && pHeader[5] == MAKELONG(WAVE_FORMAT_PCM, 1) &&
                    pHeader[7] == pHeader[6] * cbSample && LOWORD(pHeader[8]) == cbSample &&
                    pHeader[9] == mmioFOURCC('d', 'a', 't', 'a') && 44 + cbData + cbData % 2 == wave.size())
            << "sound " << nId;
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
