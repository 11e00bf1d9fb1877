// The program carries exactly its set of resources: the ids the code
// loads, in the languages the loader and the shell look for, and nothing
// else.
#include "ProgramResources.h"

#include <gtest/gtest.h>

// The image ids that an icon or cursor group of the program lists.
static std::vector<WORD> GroupImageIds(LPCSTR pszGroupType, WORD wGroup)
{
    std::vector<WORD> ids;
    for (const GroupEntry &entry : ProgramImageGroup(pszGroupType, wGroup).entries)
        ids.push_back(entry.wId);
    return ids;
}

static void AddKeys(std::set<std::string> *pKeys, LPCSTR pszType, std::vector<WORD> ids, WORD wLanguage)
{
    for (WORD wId : ids)
        pKeys->insert(ResourceKey(pszType, MAKEINTRESOURCEA(wId), wLanguage));
}

static std::set<std::string> Difference(const std::set<std::string> &a, const std::set<std::string> &b)
{
    std::set<std::string> rest;
    for (const std::string &key : a) {
        if (!b.count(key))
            rest.insert(key);
    }
    return rest;
}

static std::string Joined(const std::set<std::string> &keys)
{
    std::string text;
    for (const std::string &key : keys)
        text += "\n  " + key;
    return text;
}

TEST(ResourceInventory, TheProgramHoldsExactlyItsDialogsIconsCursorSoundsFontManifestAndVersion)
{
    ASSERT_TRUE(ProgramModule()) << "Zelbrant.exe could not be loaded as a data file";
    const std::vector<WORD> ICON_GROUPS = {101, 102, 135, 140, 141, 144, 146, 176, 177, 182, 183, 192};
    std::set<std::string> expected;
    AddKeys(&expected, RT_DIALOG, {103, 196}, LANGUAGE_FRENCH_CANADA);
    AddKeys(&expected, RT_GROUP_ICON, ICON_GROUPS, LANGUAGE_NEUTRAL);
    AddKeys(&expected, RT_GROUP_CURSOR, {191}, LANGUAGE_NEUTRAL);
    AddKeys(&expected, "WAVE", {130, 144, 147, 159, 167, 193}, LANGUAGE_NEUTRAL);
    expected.insert(ResourceKey("PRIVATE_FONT", "SEGOEUI.TTF", LANGUAGE_NEUTRAL));
    AddKeys(&expected, RT_MANIFEST, {1}, LANGUAGE_ENGLISH_CANADA);
    AddKeys(&expected, RT_VERSION, {1}, LANGUAGE_FRENCH_CANADA);
    // The images are numbered by the resource compiler; what matters is
    // that each one a group lists is there, and that no other is.
    for (WORD wGroup : ICON_GROUPS)
        AddKeys(&expected, RT_ICON, GroupImageIds(RT_GROUP_ICON, wGroup), LANGUAGE_NEUTRAL);
    AddKeys(&expected, RT_CURSOR, GroupImageIds(RT_GROUP_CURSOR, 191), LANGUAGE_NEUTRAL);

    std::set<std::string> actual = ProgramResourceKeys();

    EXPECT_EQ(Joined(Difference(expected, actual)), "") << "missing";
    EXPECT_EQ(Joined(Difference(actual, expected)), "") << "unexpected";
}

TEST(ResourceInventory, TheFontIsFoundUnderTheMixedCaseNameTheProgramAsksFor)
{
    HMODULE hModule = ProgramModule();
    ASSERT_TRUE(hModule);
    HRSRC hFont = FindResourceA(hModule, "SegoeUI.ttf", "PRIVATE_FONT");
    ASSERT_TRUE(hFont);
    EXPECT_EQ(SizeofResource(hModule, hFont), ProgramResource("PRIVATE_FONT", "SEGOEUI.TTF", LANGUAGE_NEUTRAL).size());
}
