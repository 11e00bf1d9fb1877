// Swapping the test prefix's web address handler. Wine reads it from the
// machine's classes only: it does not merge the per-user ones.
#include "support/UrlHandler.h"

#include "support/Process.h"
#include "support/Registry.h"

static const char *const s_apszCommandKeys[2] = {
    "Software\\Classes\\http\\shell\\open\\command",
    "Software\\Classes\\https\\shell\\open\\command",
};

static std::string ReadCommand(const char *pszKey)
{
    char szCommand[MAX_PATH * 2] = "";
    DWORD cb = sizeof szCommand;
    RegGetValueA(HKEY_LOCAL_MACHINE, pszKey, NULL, RRF_RT_REG_SZ, NULL, szCommand, &cb);
    return szCommand;
}

static void WriteCommand(const char *pszKey, const std::string &strCommand)
{
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, pszKey, NULL, REG_SZ, strCommand.c_str(), (DWORD)strCommand.size() + 1);
}

UrlHandler::UrlHandler(const char *pszCommand)
{
    std::wstring recorder = BinDirectory() + L"url_recorder.exe";
    std::string strCommand = pszCommand ? pszCommand : "\"" + std::string(recorder.begin(), recorder.end()) + "\" %1";
    for (int i = 0; i < 2; i++) {
        m_astrPrevious[i] = ReadCommand(s_apszCommandKeys[i]);
        WriteCommand(s_apszCommandKeys[i], strCommand);
    }
}

UrlHandler::~UrlHandler()
{
    for (int i = 0; i < 2; i++)
        WriteCommand(s_apszCommandKeys[i], m_astrPrevious[i]);
}

std::string OpenedAddress()
{
    char szAddress[4096] = "";
    DWORD cb = sizeof szAddress;
    RegGetValueA(HKEY_CURRENT_USER, URL_RECORD_KEY, URL_RECORD_VALUE, RRF_RT_REG_SZ, NULL, szAddress, &cb);
    return szAddress;
}

void ClearOpenedAddress()
{
    DeleteRegistryKey(URL_RECORD_KEY);
}
