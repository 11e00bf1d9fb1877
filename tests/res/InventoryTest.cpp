// The program carries exactly its set of resources: the ids the code loads,
// in the languages the loader and the shell look for, and nothing else.
#include "ProgramResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

typedef std::set<std::string> Keys;

// "type name language", numeric ids written "#n": "#5 #196 3084", "WAVE #130 0".
static std::string Key(LPCSTR pszType, LPCSTR pszName, WORD wLanguage)
{
    auto text = [](LPCSTR psz) { return IS_INTRESOURCE(psz) ? "#" + std::to_string((ULONG_PTR)psz) : psz; };
    return text(pszType) + " " + text(pszName) + " " + std::to_string(wLanguage);
}

static BOOL CALLBACK AddLanguage(HMODULE, LPCSTR pszType, LPCSTR pszName, WORD wLanguage, LONG_PTR lParam)
{
    ((Keys *)lParam)->insert(Key(pszType, pszName, wLanguage));
    return TRUE;
}

static BOOL CALLBACK AddName(HMODULE hModule, LPCSTR pszType, LPSTR pszName, LONG_PTR lParam)
{
    return EnumResourceLanguagesA(hModule, pszType, pszName, AddLanguage, lParam);
}

static BOOL CALLBACK AddType(HMODULE hModule, LPSTR pszType, LONG_PTR lParam)
{
    return EnumResourceNamesA(hModule, pszType, AddName, lParam);
}

static std::vector<std::string> Without(const Keys &keys, const Keys &others)
{
    std::vector<std::string> rest;
    std::set_difference(keys.begin(), keys.end(), others.begin(), others.end(), std::back_inserter(rest));
    return rest;
}

TEST(ResourceInventory, TheProgramHoldsExactlyItsDialogsIconsCursorSoundsFontManifestAndVersion)
{
    Keys expected;
    auto add = [&](LPCSTR pszType, const std::vector<WORD> &ids, WORD wLanguage) {
        for (WORD wId : ids)
            expected.insert(Key(pszType, MAKEINTRESOURCEA(wId), wLanguage));
    };
    add(RT_DIALOG, {103, 196}, LANGUAGE_FRENCH_CANADA);
    add(RT_GROUP_ICON, ICON_GROUPS, LANGUAGE_NEUTRAL);
    add(RT_GROUP_CURSOR, {191}, LANGUAGE_NEUTRAL);
    add("WAVE", {130, 144, 147, 159, 167, 193}, LANGUAGE_NEUTRAL);
    expected.insert(Key("PRIVATE_FONT", "SEGOEUI.TTF", LANGUAGE_NEUTRAL)); // names are stored upper case
    add(RT_MANIFEST, {1}, LANGUAGE_ENGLISH_CANADA);
    add(RT_VERSION, {1}, LANGUAGE_FRENCH_CANADA);
    // The images are numbered by the resource compiler: those that the groups
    // list must be there, and no other.
    for (WORD wGroup : ICON_GROUPS)
        add(RT_ICON, GroupImageIds(RT_GROUP_ICON, wGroup), LANGUAGE_NEUTRAL);
    add(RT_CURSOR, GroupImageIds(RT_GROUP_CURSOR, 191), LANGUAGE_NEUTRAL);
    ASSERT_TRUE(ProgramModule()) << "Zelbrant.exe could not be loaded as a data file";

    Keys actual;
    EnumResourceTypesA(ProgramModule(), AddType, (LONG_PTR)&actual);

    EXPECT_EQ(Without(expected, actual), std::vector<std::string>()) << "missing";
    EXPECT_EQ(Without(actual, expected), std::vector<std::string>()) << "unexpected";
}
