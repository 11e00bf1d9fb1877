// The options as they come back from, and go into, the current user's
// registry, including values that other programs or hand edits left there.
#include "app/Application.h"
#include "settings/RegistryStore.h"
#include "support/Registry.h"

#include <gtest/gtest.h>

#include <string>

static const DWORD s_dwDefault = 0x12345678;

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

    // What RegReadDword makes of "KeepDialogOnTop" stored with that type and data.
    LONG ReadStored(DWORD dwType, const void *pData, DWORD cbData, DWORD *pdwValue)
    {
        EXPECT_TRUE(WriteRawValue(m_strKey, "KeepDialogOnTop", dwType, pData, cbData));
        return RegReadDword("KeepDialogOnTop", m_strKey.c_str(), s_dwDefault, pdwValue);
    }

    std::string m_strKey;
};

TEST_F(RegistryStore, TheFirstRunWithoutAKeyTurnsAllThreeOptionsOn)
{
    bool bKeep = false, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);

    EXPECT_TRUE(bKeep);
    EXPECT_TRUE(bAuto);
    EXPECT_TRUE(bFrame);
    DWORD dwValue;
    EXPECT_EQ(RegReadDword("KeepDialogOnTop", m_strKey.c_str(), s_dwDefault, &dwValue), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(dwValue, s_dwDefault);
}

TEST_F(RegistryStore, OptionsSavedComeBackEachUnderItsOwnName)
{
    ASSERT_EQ(SaveSettings(false, true, false), ERROR_SUCCESS);
    bool bKeep = true, bAuto = false, bFrame = true;
    LoadSettings(&bKeep, &bAuto, &bFrame);

    EXPECT_FALSE(bKeep);
    EXPECT_TRUE(bAuto);
    EXPECT_FALSE(bFrame);
    DWORD dwValue = 0;
    EXPECT_TRUE(ReadStoredDword(m_strKey, "AutoFindRootParent", &dwValue));
    EXPECT_EQ(dwValue, 1u);
}

TEST_F(RegistryStore, AStringZeroReadsAsTheDefaultAndTheOptionComesUpOn)
{
    DWORD dwValue;
    EXPECT_EQ(ReadStored(REG_SZ, "0", 2, &dwValue), ERROR_INVALID_DATATYPE);
    EXPECT_EQ(dwValue, s_dwDefault);
    bool bKeep = false;
    LoadSettings(&bKeep, NULL, NULL);
    EXPECT_TRUE(bKeep);
}

TEST_F(RegistryStore, AnEightByteQwordReadsAsTheDefault)
{
    ULONGLONG ullZero = 0;
    DWORD dwValue;
    EXPECT_EQ(ReadStored(REG_QWORD, &ullZero, sizeof(ullZero), &dwValue), ERROR_MORE_DATA);
    EXPECT_EQ(dwValue, s_dwDefault);
}

TEST_F(RegistryStore, ADwordShorterThanFourBytesReadsAsTheWholeDefault)
{
    WORD wZero = 0;
    DWORD dwValue;
    EXPECT_EQ(ReadStored(REG_DWORD, &wZero, sizeof(wZero), &dwValue), ERROR_INVALID_DATATYPE);
    EXPECT_EQ(dwValue, s_dwDefault);
    EXPECT_EQ(ReadStored(REG_DWORD, NULL, 0, &dwValue), ERROR_INVALID_DATATYPE);
    EXPECT_EQ(dwValue, s_dwDefault);
}

TEST_F(RegistryStore, AStoredTwoReadsAsOnAndTheNextSaveWritesOne)
{
    DWORD dwTwo = 2;
    ASSERT_TRUE(WriteRawValue(m_strKey, "DrawInvertedFrame", REG_DWORD, &dwTwo, sizeof(dwTwo)));
    bool bFrame = false;
    LoadSettings(NULL, NULL, &bFrame);
    ASSERT_TRUE(bFrame);

    ASSERT_EQ(SaveSettings(true, true, bFrame), ERROR_SUCCESS);
    DWORD dwValue = 0;
    EXPECT_TRUE(ReadStoredDword(m_strKey, "DrawInvertedFrame", &dwValue));
    EXPECT_EQ(dwValue, 1u);
}

TEST_F(RegistryStore, AnotherMajorVersionReadsAndWritesOnlyItsOwnKey)
{
    const std::string strV2 = "Software\\Morvane\\Zelbrant V2";
    DeleteRegistryKey(strV2);
    ASSERT_EQ(SaveSettings(false, false, false), ERROR_SUCCESS);

    theApplication.m_strRegistryKey = strV2;
    bool bKeep = false, bAuto = false, bFrame = false;
    LoadSettings(&bKeep, &bAuto, &bFrame);
    LONG lSaved = SaveSettings(true, false, true);
    theApplication.m_strRegistryKey = m_strKey;

    EXPECT_TRUE(bKeep && bAuto && bFrame);
    EXPECT_EQ(lSaved, ERROR_SUCCESS);
    DWORD dwV1 = 7, dwV2 = 7;
    EXPECT_TRUE(ReadStoredDword(m_strKey, "KeepDialogOnTop", &dwV1));
    EXPECT_TRUE(ReadStoredDword(strV2, "KeepDialogOnTop", &dwV2));
    EXPECT_EQ(dwV1, 0u);
    EXPECT_EQ(dwV2, 1u);
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
    LONG lSaved = SaveSettings(true, true, true);
    theApplication.m_strRegistryKey = m_strKey;

    EXPECT_EQ(lSaved, lExpected);
}
