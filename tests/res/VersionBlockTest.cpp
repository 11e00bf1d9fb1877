// The version block, walked node by node as the system's version functions
// read it: the fixed part that the program reads its version from at start,
// the French (Canada) string table that the shell shows, and the
// translation list.
#include "ProgramResources.h"

#include <gtest/gtest.h>

#include <string.h>

// One node: WORD length, WORD value length, WORD type, NUL-terminated key,
// padding to 4 bytes, value, padding to 4 bytes, children.
struct VersionNode {
    bool bWellFormed; // lengths and key fit inside the parent
    std::wstring strKey;
    WORD wType; // 1 text (value length in characters), 0 binary (in bytes)
    Bytes value;
    std::vector<VersionNode> children;
};

static const WORD VERSION_TEXT = 1;

static size_t Align4(size_t nOffset)
{
    return (nOffset + 3) & ~(size_t)3;
}

// Offsets count from the start of the block, which the loader aligns.
static VersionNode ReadVersionNode(const Bytes &block, size_t nOffset, size_t nLimit)
{
    VersionNode node = {};
    size_t nEnd = nOffset + WordAt(block, nOffset);
    WORD wValueLength = WordAt(block, nOffset + 2);
    node.wType = WordAt(block, nOffset + 4);
    size_t nPos = nOffset + 6;
    while (nPos + 2 <= nEnd && WordAt(block, nPos) != 0) {
        node.strKey += (wchar_t)WordAt(block, nPos);
        nPos += 2;
    }
    nPos = Align4(nPos + 2);
    size_t cbValue = node.wType == VERSION_TEXT ? 2 * (size_t)wValueLength : wValueLength;
    node.bWellFormed = nEnd <= nLimit && nPos + cbValue <= nEnd;
    if (!node.bWellFormed)
        return node;
    node.value.assign(block.begin() + nPos, block.begin() + nPos + cbValue);
    for (nPos = Align4(nPos + cbValue); nPos < nEnd && node.bWellFormed; nPos = Align4(nPos + WordAt(block, nPos))) {
        node.children.push_back(ReadVersionNode(block, nPos, nEnd));
        node.bWellFormed = node.children.back().bWellFormed && WordAt(block, nPos) != 0;
    }
    return node;
}

static VersionNode ProgramVersionBlock()
{
    Bytes block = ProgramResource(RT_VERSION, MAKEINTRESOURCEA(1), LANGUAGE_FRENCH_CANADA);
    return ReadVersionNode(block, 0, block.size());
}

static std::vector<std::wstring> Keys(const std::vector<VersionNode> &nodes)
{
    std::vector<std::wstring> keys;
    for (const VersionNode &node : nodes)
        keys.push_back(node.strKey);
    return keys;
}

// A text value with its terminating NUL, which the value length counts.
static std::wstring TextValue(const VersionNode &node)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < node.value.size(); i += 2)
        text += (wchar_t)(node.value[i] | node.value[i + 1] << 8);
    return text;
}

static std::wstring Terminated(const wchar_t *pszText)
{
    return std::wstring(pszText) + L'\0';
}

TEST(VersionBlock, TheFixedPartGivesVersion1300OfAWin32Application)
{
    VersionNode root = ProgramVersionBlock();
    ASSERT_TRUE(root.bWellFormed);
    EXPECT_EQ(root.strKey, L"VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, root.value.data(), sizeof(fixed));

    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, (DWORD)MAKELONG(3, 1));
    EXPECT_EQ(fixed.dwFileVersionLS, (DWORD)MAKELONG(0, 0));
    EXPECT_EQ(fixed.dwProductVersionMS, (DWORD)MAKELONG(3, 1));
    EXPECT_EQ(fixed.dwProductVersionLS, (DWORD)MAKELONG(0, 0));
    EXPECT_EQ(fixed.dwFileFlagsMask, 0x17u);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, (DWORD)VOS_NT_WINDOWS32);
    EXPECT_EQ(fixed.dwFileType, (DWORD)VFT_APP);
    EXPECT_EQ(fixed.dwFileSubtype, 0u);
    EXPECT_EQ(fixed.dwFileDateMS, 0u);
    EXPECT_EQ(fixed.dwFileDateLS, 0u);
    EXPECT_EQ(Keys(root.children), std::vector<std::wstring>({L"StringFileInfo", L"VarFileInfo"}));
}

TEST(VersionBlock, OneFrenchCanadianUnicodeTableHoldsTheEightStringsInOrderAndNoCompanyName)
{
    VersionNode root = ProgramVersionBlock();
    ASSERT_TRUE(root.bWellFormed);
    ASSERT_FALSE(root.children.empty());
    const VersionNode &stringFileInfo = root.children[0];
    ASSERT_EQ(Keys(stringFileInfo.children), std::vector<std::wstring>({L"0c0c04b0"}));
    const std::vector<VersionNode> &strings = stringFileInfo.children[0].children;
    ASSERT_EQ(Keys(strings),
              std::vector<std::wstring>({L"Comments", L"FileDescription", L"FileVersion", L"InternalName",
                                         L"LegalCopyright", L"OriginalFilename", L"ProductName", L"ProductVersion"}));
    for (const VersionNode &string : strings)
        EXPECT_EQ(string.wType, VERSION_TEXT) << string.strKey;

    // The credit line and the rights notice are ours to word; both name the maker.
    EXPECT_NE(TextValue(strings[0]).find(L"Morvane"), std::wstring::npos);
    EXPECT_EQ(TextValue(strings[1]), Terminated(L"Vous permet de mettre une fenêtre ouverte au-dessus des autres et "
                                                L"d'obtenir de l'information sur elle."));
    EXPECT_EQ(TextValue(strings[2]), Terminated(L"1, 3, 0, 0"));
    EXPECT_EQ(TextValue(strings[3]), Terminated(L"Zelbrant.exe"));
    EXPECT_NE(TextValue(strings[4]).find(L"Morvane"), std::wstring::npos);
    EXPECT_EQ(TextValue(strings[5]), Terminated(L"Zelbrant.exe"));
    EXPECT_EQ(TextValue(strings[6]), Terminated(L"Application Zelbrant"));
    EXPECT_EQ(TextValue(strings[7]), Terminated(L"1, 3, 0, 0"));
    for (const VersionNode &string : strings)
        EXPECT_EQ(TextValue(string).find(L'\0'), TextValue(string).size() - 1) << "one terminating NUL";
}

TEST(VersionBlock, TheTranslationListNamesFrenchCanadaInUnicode)
{
    VersionNode root = ProgramVersionBlock();
    ASSERT_TRUE(root.bWellFormed);
    ASSERT_EQ(root.children.size(), 2u);
    const VersionNode &varFileInfo = root.children[1];
    ASSERT_EQ(Keys(varFileInfo.children), std::vector<std::wstring>({L"Translation"}));
    const Bytes &translation = varFileInfo.children[0].value;
    EXPECT_EQ(varFileInfo.children[0].wType, 0);
    EXPECT_EQ(translation.size(), 4u);
    EXPECT_EQ(WordAt(translation, 0), 0x0C0C);
    EXPECT_EQ(WordAt(translation, 2), 0x04B0);
}
