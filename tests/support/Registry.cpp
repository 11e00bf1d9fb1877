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
