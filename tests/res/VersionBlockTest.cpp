// The version block, walked node by node as the system's version functions
// read it: the fixed part that the program reads its version from at start,
// the French (Canada) string table that the shell shows, and the translation.
#include "ProgramResources.h"

#include <gtest/gtest.h>

#include <iterator>

// A node: WORD length, WORD value length, WORD type (1 text, whose value
// length counts characters), NUL-terminated key, value, children; the value
// and each child start on a 4-byte boundary of the block.
struct VersionNode {
    std::wstring strKey;
    Bytes value;
    std::vector<VersionNode> children;
};

static size_t Align4(size_t nOffset)
{
    return (nOffset + 3) & ~(size_t)3;
}

static VersionNode ReadVersionNode(const Bytes &block, size_t nOffset)
{
    VersionNode node;
    size_t nEnd = nOffset + WordAt(block, nOffset);
    size_t cbValue = WordAt(block, nOffset + 2) * (WordAt(block, nOffset + 4) == 1 ? 2 : 1);
    size_t nPos = nOffset + 6;
    for (; nPos < nEnd && WordAt(block, nPos) != 0; nPos += 2)
        node.strKey += (wchar_t)WordAt(block, nPos);
    nPos = Align4(nPos + 2);
    node.value = Slice(block, nPos, cbValue);
    for (nPos = Align4(nPos + cbValue); nPos < nEnd && WordAt(block, nPos) != 0;
         nPos = Align4(nPos + WordAt(block, nPos)))
        node.children.push_back(ReadVersionNode(block, nPos));
    return node;
}

static VersionNode ProgramVersionBlock()
{
    return ReadVersionNode(ProgramResource(RT_VERSION, MAKEINTRESOURCEA(1), LANGUAGE_FRENCH_CANADA), 0);
}

static std::vector<std::wstring> Keys(const VersionNode &node)
{
    std::vector<std::wstring> keys;
    for (const VersionNode &child : node.children)
        keys.push_back(child.strKey);
    return keys;
}

// A text value up to its terminating NUL.
static std::wstring Text(const VersionNode &node)
{
    return std::wstring((const wchar_t *)node.value.data(), node.value.size() / 2).c_str();
}

TEST(VersionBlock, TheFixedPartGivesVersion1300OfAWin32Application)
{
    VersionNode root = ProgramVersionBlock();
    VS_FIXEDFILEINFO fixed = {}; // flags, subtype and date 0
    fixed.dwSignature = VS_FFI_SIGNATURE;
    fixed.dwStrucVersion = VS_FFI_STRUCVERSION;
    fixed.dwFileVersionMS = fixed.dwProductVersionMS = MAKELONG(3, 1);
    fixed.dwFileFlagsMask = 0x17;
    fixed.dwFileOS = VOS_NT_WINDOWS32;
    fixed.dwFileType = VFT_APP;

    EXPECT_EQ(root.value, BytesOf(fixed));
    EXPECT_EQ(Keys(root), std::vector<std::wstring>({L"StringFileInfo", L"VarFileInfo"}));
}

TEST(VersionBlock, OneFrenchCanadianUnicodeTableHoldsTheEightStringsInOrderAndNoCompanyName)
{
    const std::pair<std::wstring, const wchar_t *> STRINGS[] = {
        {L"Comments", nullptr}, // our own credit line, naming the maker
        {L"FileDescription", L"Vous permet de mettre une fenêtre ouverte au-dessus des autres et d'obtenir de "
                             L"l'information sur elle."},
        {L"FileVersion", L"1, 3, 0, 0"},
        {L"InternalName", L"Zelbrant.exe"},
        {L"LegalCopyright", nullptr}, // our own rights notice, naming the maker
        {L"OriginalFilename", L"Zelbrant.exe"},
        {L"ProductName", L"Application Zelbrant"},
        {L"ProductVersion", L"1, 3, 0, 0"},
    };
    VersionNode root = ProgramVersionBlock();
    ASSERT_FALSE(root.children.empty());
    ASSERT_EQ(Keys(root.children[0]), std::vector<std::wstring>({L"0c0c04b0"}));
    const VersionNode &table = root.children[0].children[0];
    ASSERT_EQ(table.children.size(), std::size(STRINGS));

    for (size_t i = 0; i < table.children.size(); i++) {
        EXPECT_EQ(table.children[i].strKey, STRINGS[i].first);
        if (STRINGS[i].second) {
            EXPECT_EQ(Text(table.children[i]), STRINGS[i].second);
        } else {
            EXPECT_NE(Text(table.children[i]).find(L"Morvane"), std::wstring::npos) << STRINGS[i].first;
        }
    }
}

TEST(VersionBlock, TheTranslationListNamesFrenchCanadaInUnicode)
{
    VersionNode root = ProgramVersionBlock();
    ASSERT_EQ(root.children.size(), 2u);
    ASSERT_EQ(Keys(root.children[1]), std::vector<std::wstring>({L"Translation"}));
    EXPECT_EQ(root.children[1].children[0].value, (Bytes{0x0C, 0x0C, 0xB0, 0x04}));
}
