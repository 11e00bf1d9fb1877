// The private font: a TrueType file named "Segoe UI" Regular, which the
// system really uses for that face once the program has installed it.
#include "ProgramResources.h"

#include "app/Application.h"

#include <gtest/gtest.h>

// TrueType files are big-endian.
static WORD BigWordAt(const Bytes &bytes, size_t nOffset)
{
    WORD w = WordAt(bytes, nOffset);
    return (WORD)(w >> 8 | w << 8);
}

static DWORD BigDwordAt(const Bytes &bytes, size_t nOffset)
{
    return (DWORD)BigWordAt(bytes, nOffset) << 16 | BigWordAt(bytes, nOffset + 2);
}

static Bytes ProgramFont()
{
    return ProgramResource("PRIVATE_FONT", "SEGOEUI.TTF", LANGUAGE_NEUTRAL);
}

// Offset of a table in the font, 0 when the font has none.
static size_t FontTable(const Bytes &font, const char *pszTag)
{
    const size_t DIRECTORY_SIZE = 12, RECORD_SIZE = 16;
    for (WORD i = 0; i < BigWordAt(font, 4); i++) {
        size_t nRecord = DIRECTORY_SIZE + i * RECORD_SIZE;
        if (TagAt(font, nRecord) == pszTag)
            return BigDwordAt(font, nRecord + 8);
    }
    return 0;
}

// The distinct texts of one name id among the Windows (platform 3, Unicode
// BMP) records of the 'name' table, which are what GDI reads.
static std::set<std::wstring> WindowsNames(const Bytes &font, WORD wNameId)
{
    const WORD PLATFORM_WINDOWS = 3, ENCODING_UNICODE_BMP = 1;
    const size_t HEADER_SIZE = 6, RECORD_SIZE = 12;
    size_t nTable = FontTable(font, "name");
    size_t nStrings = nTable + BigWordAt(font, nTable + 4);
    std::set<std::wstring> names;
    for (WORD i = 0; nTable && i < BigWordAt(font, nTable + 2); i++) {
        size_t nRecord = nTable + HEADER_SIZE + i * RECORD_SIZE;
        if (BigWordAt(font, nRecord) != PLATFORM_WINDOWS || BigWordAt(font, nRecord + 2) != ENCODING_UNICODE_BMP ||
            BigWordAt(font, nRecord + 6) != wNameId)
            continue;
        size_t nText = nStrings + BigWordAt(font, nRecord + 10);
        std::wstring name;
        for (WORD j = 0; j + 1 < BigWordAt(font, nRecord + 8); j += 2)
            name += (wchar_t)BigWordAt(font, nText + j);
        names.insert(name);
    }
    return names;
}

TEST(FontResource, TheFontIsATrueTypeFileOfFamilySegoeUiRegular)
{
    const WORD NAME_FAMILY = 1, NAME_SUBFAMILY = 2;
    Bytes font = ProgramFont();
    EXPECT_EQ(BigDwordAt(font, 0), 0x00010000u) << "TrueType outlines";
    EXPECT_NE(FontTable(font, "glyf"), 0u);
    EXPECT_EQ(WindowsNames(font, NAME_FAMILY), std::set<std::wstring>{L"Segoe UI"});
    EXPECT_EQ(WindowsNames(font, NAME_SUBFAMILY), std::set<std::wstring>{L"Regular"});
}

TEST(FontResource, OnceInstalledTheFontIsTheOneTheSystemRealisesForSegoeUi)
{
    ASSERT_TRUE(theApplication.m_hPrivateFont);
    Bytes font = ProgramFont();
    ASSERT_FALSE(font.empty());
    HDC hdc = CreateCompatibleDC(NULL);
    HFONT hFont = CreateFontA(-MulDiv(8, GetDeviceCaps(hdc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, "Segoe UI");
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);

    char szFace[LF_FACESIZE] = "";
    GetTextFaceA(hdc, sizeof(szFace), szFace);
    // The same file, and not a substitute that merely answers to the name.
    DWORD cbFont = GetFontData(hdc, 0, 0, NULL, 0);
    Bytes realised(cbFont == GDI_ERROR ? 0 : cbFont);
    DWORD cbRead = GetFontData(hdc, 0, 0, realised.data(), (DWORD)realised.size());

    SelectObject(hdc, hOldFont);
    DeleteObject(hFont);
    DeleteDC(hdc);
    EXPECT_STREQ(szFace, "Segoe UI");
    EXPECT_EQ(realised.size(), font.size());
    EXPECT_EQ(cbRead, font.size());
    EXPECT_TRUE(realised == font);
}
