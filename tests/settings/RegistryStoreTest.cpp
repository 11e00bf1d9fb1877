// The options as they come back from, and go into, the current user's
// registry, including values that other programs or hand edits left there.
#include "app/Application.h"
#include "settings/RegistryStore.h"
#include "support/Registry.h"

#include <gtest/gtest.h>

#include <string>

class RegistryStore : public testing::Test {
protected:
    void SetUp() override
    {
        m_strKey = theApplication.m_strRegistryKey;
        ASSERT_EQ(m_strKey, "Software\\Morvane\\Zelbrant V1");
        DeleteRegistryKey(m_strKey);
    }
    void TearDown() override
    {
        theApplication.m_strRegistryKey = m_strKey;
    }

    std::string m_strKey;
};

TEST_F(RegistryStore, TheFirstRunWithoutAKeyTurnsAllThreeOptionsOn)
{
    bool bKeep = false, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);

    EXPECT_TRUE(bKeep && bAuto && bFrame);
}

TEST_F(RegistryStore, AZeroStoredAsAStringAQwordOrAShortDwordReadsAsTheDefaultAndTheOptionComesUpOn)
{
    const ULONGLONG ullZero = 0;
    struct Case {
        DWORD dwType;
        const void *pData;
        DWORD cbData;
    } cases[] = {{REG_SZ, "0", 2}, {REG_QWORD, &ullZero, 8}, {REG_DWORD, &ullZero, 2}, {REG_DWORD, NULL, 0}};
    for (const Case &c : cases) {
        ASSERT_TRUE(WriteRawValue(m_strKey, "KeepDialogOnTop", c.dwType, c.pData, c.cbData));
        DWORD dwValue;
        EXPECT_NE(RegReadDword("KeepDialogOnTop", m_strKey.c_str(), 1, &dwValue), ERROR_SUCCESS) << c.dwType;
        bool bKeep = false;
        LoadSettings(&bKeep, NULL, NULL);
        EXPECT_TRUE(bKeep) << "type " << c.dwType << ", " << c.cbData << " bytes";
    }
}

TEST_F(RegistryStore, AStoredTwoReadsAsOnAndTheNextSaveWritesEachOptionAsZeroOrOne)
{
    DWORD dwTwo = 2;
    ASSERT_TRUE(WriteRawValue(m_strKey, "DrawInvertedFrame", REG_DWORD, &dwTwo, sizeof(dwTwo)));
    bool bFrame = false;
    LoadSettings(NULL, NULL, &bFrame);
    ASSERT_TRUE(bFrame);

    ASSERT_EQ(SaveSettings(false, true, bFrame), ERROR_SUCCESS);

    DWORD dwStored = 0;
    EXPECT_TRUE(ReadStoredDword(m_strKey, "DrawInvertedFrame", &dwStored) && dwStored == 1) << dwStored;
    bool bKeep = true, bAuto = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_TRUE(!bKeep && bAuto && bFrame) << "each option comes back under its own name";
}

TEST_F(RegistryStore, AnotherMajorVersionReadsAndWritesOnlyItsOwnKey)
{
    const std::string strV2 = "Software\\Morvane\\Zelbrant V2";
    DeleteRegistryKey(strV2);
    ASSERT_EQ(SaveSettings(false, false, false), ERROR_SUCCESS);

    theApplication.m_strRegistryKey = strV2;
    bool bKeep = false, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_EQ(SaveSettings(true, false, true), ERROR_SUCCESS);

    EXPECT_TRUE(bKeep && bAuto && bFrame);
    DWORD dwV1 = 7, dwV2 = 7;
    EXPECT_TRUE(ReadStoredDword(m_strKey, "KeepDialogOnTop", &dwV1) && dwV1 == 0) << dwV1;
    EXPECT_TRUE(ReadStoredDword(strV2, "KeepDialogOnTop", &dwV2) && dwV2 == 1) << dwV2;
    DeleteRegistryKey(strV2);
}

TEST_F(RegistryStore, SavingWhereNoKeyCanBeCreatedReturnsTheRegistryError)
{
    // No key name may have a part longer than 255 characters.
    std::string strBadKey = m_strKey + "\\" + std::string(300, 'x');
    HKEY hKey;
    LONG lExpected =
        RegCreateKeyExA(HKEY_CURRENT_USER, strBadKey.c_str(), 0, (LPSTR) "", 0, KEY_ALL_ACCESS, NULL, &hKey, NULL);
    ASSERT_NE(lExpected, ERROR_SUCCESS);

    theApplication.m_strRegistryKey = strBadKey;
    EXPECT_EQ(SaveSettings(true, true, true), lExpected);
}
