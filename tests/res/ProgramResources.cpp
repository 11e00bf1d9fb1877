// Loads the built Zelbrant.exe as a data file and reads its resources.
#include "ProgramResources.h"

#include "support/Process.h"

#include <algorithm>

HMODULE ProgramModule()
{
    static HMODULE s_hModule = LoadLibraryExW(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    return s_hModule;
}

Bytes ProgramResource(LPCSTR pszType, LPCSTR pszName, WORD wLanguage)
{
    HMODULE hModule = ProgramModule();
    HRSRC hInfo = hModule ? FindResourceExA(hModule, pszType, pszName, wLanguage) : NULL;
    HGLOBAL hData = hInfo ? LoadResource(hModule, hInfo) : NULL;
    const BYTE *pData = hData ? (const BYTE *)LockResource(hData) : NULL;
    return pData ? Bytes(pData, pData + SizeofResource(hModule, hInfo)) : Bytes();
}

std::vector<WORD> GroupImageIds(LPCSTR pszGroupType, WORD wGroup)
{
    // A 6-byte header with the count, then 14-byte entries ending with the id.
    Bytes group = ProgramResource(pszGroupType, MAKEINTRESOURCEA(wGroup), LANGUAGE_NEUTRAL);
    std::vector<WORD> ids;
    for (size_t i = 0; i < WordAt(group, 4); i++)
        ids.push_back(WordAt(group, 6 + 14 * i + 12));
    return ids;
}

WORD WordAt(const Bytes &bytes, size_t nOffset)
{
    return nOffset + 2 <= bytes.size() ? (WORD)(bytes[nOffset] | bytes[nOffset + 1] << 8) : 0;
}

DWORD DwordAt(const Bytes &bytes, size_t nOffset)
{
    return WordAt(bytes, nOffset) | (DWORD)WordAt(bytes, nOffset + 2) << 16;
}

Bytes Slice(const Bytes &bytes, size_t nOffset, size_t cb)
{
    nOffset = std::min(nOffset, bytes.size());
    return Bytes(bytes.begin() + nOffset, bytes.begin() + std::min(bytes.size(), nOffset + cb));
}
