// The options as they come back from, and go into, the current user's
// registry, including values that other programs or hand edits left there.
#include "app/Application.h"
#include "settings/RegistryStore.h"
#include "support/Registry.h"

#include <gtest/gtest.h>

class RegistryStore : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_strKey, "Software\\Morvane\\Zelbrant V1");
        DeleteRegistryKey(m_strKey);
    }
    void TearDown() override
    {
        theApplication.m_strRegistryKey = m_strKey;
    }

    const std::string m_strKey = theApplication.m_strRegistryKey;
};

TEST_F(RegistryStore, NothingOrAZeroOfAnotherTypeOrSizeReadsAsOnAndAStoredTwoAsOn)
{
    bool bKeep = false, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_TRUE(bKeep && bAuto && bFrame) << "the first run";

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
        bKeep = false;
        LoadSettings(&bKeep, NULL, NULL);
        EXPECT_TRUE(bKeep) << "type " << c.dwType << ", " << c.cbData << " bytes";
    }

    DWORD dwTwo = 2;
    ASSERT_TRUE(WriteRawValue(m_strKey, "DrawInvertedFrame", REG_DWORD, &dwTwo, sizeof(dwTwo)));
    bFrame = false;
    LoadSettings(NULL, NULL, &bFrame);
    EXPECT_TRUE(bFrame);
}

TEST_F(RegistryStore, ASaveWritesEachOptionAsZeroOrOneUnderItsOwnNameInTheKeyOfTheMajorVersion)
{
    ASSERT_EQ(SaveSettings(false, true, true), ERROR_SUCCESS);
    DWORD dwStored = 7;
    EXPECT_TRUE(ReadStoredDword(m_strKey, "DrawInvertedFrame", &dwStored) && dwStored == 1) << dwStored;
    bool bKeep = true, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);
    EXPECT_TRUE(!bKeep && bAuto && bFrame);

    const std::string strV2 = "Software\\Morvane\\Zelbrant V2";
    DeleteRegistryKey(strV2);
    theApplication.m_strRegistryKey = strV2;
    LoadSettings(&bKeep, NULL, NULL);
    EXPECT_TRUE(bKeep) << "another major version reads only its own key";
    EXPECT_EQ(SaveSettings(true, false, true), ERROR_SUCCESS);
    EXPECT_TRUE(ReadStoredDword(m_strKey, "KeepDialogOnTop", &dwStored) && dwStored == 0) << dwStored;
    EXPECT_TRUE(ReadStoredDword(strV2, "KeepDialogOnTop", &dwStored) && dwStored == 1) << dwStored;
    DeleteRegistryKey(strV2);

    // No key name may have a part longer than 255 characters.
    std::string strBadKey = m_strKey + "\\" + std::string(300, 'x');
    HKEY hKey;
    LONG lExpected =
        RegCreateKeyExA(HKEY_CURRENT_USER, strBadKey.c_str(), 0, (LPSTR) "", 0, KEY_ALL_ACCESS, NULL, &hKey, NULL);
    ASSERT_NE(lExpected, ERROR_SUCCESS);
    theApplication.m_strRegistryKey = strBadKey;
    EXPECT_EQ(SaveSettings(true, true, true), lExpected) << "the registry's error";
}
