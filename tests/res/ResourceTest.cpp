// The resources as the running program uses them: the icons and cursor at
// each size the program asks for; the sounds; the private font.
#include "support/Support.h"

#include <mmsystem.h>

typedef std::vector<BYTE> Bytes;

static Bytes Resource(LPCSTR pszType, LPCSTR pszName)
{
    HRSRC hInfo = FindResourceA(theApplication.m_hInstance, pszName, pszType);
    const BYTE *pData = hInfo ? (const BYTE *)LockResource(LoadResource(theApplication.m_hInstance, hInfo)) : NULL;
    return pData ? Bytes(pData, pData + SizeofResource(theApplication.m_hInstance, hInfo)) : Bytes();
}

// Every icon group holds a 32-bit image with alpha, an uncompressed DIB, at
// each size the system may ask for; the finder cursor one of 32 pixels.
TEST(ImageResources, EveryIconHas32And24And16PixelImagesOf32BitsWithAlphaAndTheCursorOneOf32)
{
    for (UINT nGroup : {IDI_MAIN, IDI_MAIN_SHELL, IDI_ABOUT, IDI_MAKER_LOGO, IDI_CLOSE, IDI_MENU, IDI_SAVE,
                        IDI_SHORTCUT, IDI_QUIT, IDI_FINDER_EMPTY, IDI_FINDER_FULL, IDI_COPY, IDC_FINDER_CURSOR})
        for (int nSize : {32, 24, 16}) {
            bool bCursor = nGroup == IDC_FINDER_CURSOR;
            Bytes group = Resource(bCursor ? RT_GROUP_CURSOR : RT_GROUP_ICON, MAKEINTRESOURCEA(nGroup));
            if (bCursor && nSize != 32)
                continue;
            int nImage =
                group.empty() ? 0 : LookupIconIdFromDirectoryEx(group.data(), !bCursor, nSize, nSize, LR_DEFAULTCOLOR);
            Bytes image = Resource(bCursor ? RT_CURSOR : RT_ICON, MAKEINTRESOURCEA(nImage));
            size_t nHeader = bCursor ? 4 : 0; // a cursor's hot spot comes before its picture
            ASSERT_GE(image.size(), nHeader + sizeof(BITMAPINFOHEADER) + 4 * nSize * nSize) << nGroup << ", " << nSize;
            const BITMAPINFOHEADER *pHeader = (const BITMAPINFOHEADER *)&image[nHeader];
            bool bAlpha = false; // without alpha the picture is drawn by its mask alone
            for (int i = 0; i < nSize * nSize; i++)
                bAlpha = bAlpha || image[nHeader + sizeof(*pHeader) + 4 * i + 3] != 0;
            EXPECT_TRUE(pHeader->biWidth == nSize && pHeader->biBitCount == 32 && pHeader->biCompression == BI_RGB &&
                        bAlpha)
                << nGroup << ", " << nSize;
        }
}

// Each sound is a whole mono PCM RIFF/WAVE file, so that PlaySound can play
// it straight from memory.
TEST(SoundResources, EverySoundIsAWholeMonoPcmWave)
{
    for (UINT nId :
         {IDW_SHORTCUT_CREATED, IDW_OPTION_ON, IDW_FAILURE, IDW_SETTINGS_SAVED, IDW_OPTION_OFF, IDW_COPIED}) {
        Bytes wave = Resource("WAVE", MAKEINTRESOURCEA(nId));
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

// The private font is the TrueType file that the system realises for the
// name, not a substitute that merely answers to it.
TEST(FontResource, OnceInstalledTheTrueTypeFileIsTheSegoeUiTheSystemRealises)
{
    Bytes font = Resource("PRIVATE_FONT", "SegoeUI.ttf");
    HDC hdc = CreateCompatibleDC(NULL);
    HGDIOBJ hOldFont =
        SelectObject(hdc, CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Segoe UI"));
    DWORD cbRealised = GetFontData(hdc, 0, 0, NULL, 0);
    Bytes realised(cbRealised == GDI_ERROR ? 0 : cbRealised);
    GetFontData(hdc, 0, 0, realised.data(), (DWORD)realised.size());
    DeleteObject(SelectObject(hdc, hOldFont));
    DeleteDC(hdc);
    EXPECT_TRUE(theApplication.m_hPrivateFont && realised == font);
}
