// Direct registry access for tests, through the plain Win32 calls.
#include "support/Registry.h"

#include "app/Application.h"

void DeleteRegistryKey(const std::string &key)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}

bool WriteRawValue(const std::string &key, const char *pszName, DWORD dwType, const void *pData, DWORD cbData)
{
    return RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), pszName, dwType, pData, cbData) == 0;
}

bool ReadStoredDword(const std::string &key, const char *pszName, DWORD *pdwValue)
{
    DWORD cbData = sizeof(*pdwValue);
    return RegGetValueA(HKEY_CURRENT_USER, key.c_str(), pszName, RRF_RT_REG_DWORD, NULL, pdwValue, &cbData) == 0;
}

void StoreDialogPlacement(DWORD dwX, DWORD dwY, DWORD dwCx, DWORD dwCy)
{
    MONITORINFO info = {sizeof(info), {}, {}, 0};
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    char szMonitorKey[96];
    wsprintfA(szMonitorKey, "\\MainWindow\\MonitorRectangle(%ld,%ld,%ld,%ld)", info.rcMonitor.left, info.rcMonitor.top,
              info.rcMonitor.right, info.rcMonitor.bottom);
    for (std::string key : {std::string("\\MainWindow"), std::string(szMonitorKey)})
        for (auto value : {std::make_pair("X", dwX), std::make_pair("Y", dwY), std::make_pair("CX", dwCx),
                           std::make_pair("CY", dwCy)})
            WriteRawValue(theApplication.m_strRegistryKey + key, value.first, REG_DWORD, &value.second, sizeof(DWORD));
}
