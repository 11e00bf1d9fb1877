// Direct registry access for tests, through the plain Win32 calls.
#include "support/Support.h"

std::string StoredDwords(const std::string &key, std::initializer_list<const char *> names)
{
    std::string str;
    for (const char *pszName : names) {
        DWORD dwValue = 0, cbData = sizeof(dwValue);
        bool bRead = !RegGetValueA(HKEY_CURRENT_USER, key.c_str(), pszName, RRF_RT_REG_DWORD, NULL, &dwValue, &cbData);
        str += (bRead ? std::to_string(dwValue) : "?") + " ";
    }
    return str;
}

void StoreDialogPlacement(DWORD dwX, DWORD dwY, DWORD dwCx, DWORD dwCy)
{
    char szMonitorKey[96];
    wsprintfA(szMonitorKey, "\\MainWindow\\MonitorRectangle(0,0,%d,%d)", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN));
    for (std::string key : {std::string("\\MainWindow"), std::string(szMonitorKey)})
        for (auto value : {std::make_pair("X", dwX), std::make_pair("Y", dwY), std::make_pair("CX", dwCx),
                           std::make_pair("CY", dwCy)})
            RegWriteDword((theApplication.m_strRegistryKey + key).c_str(), value.first, value.second);
}
