// Loads the built Zelbrant.exe as a data file and reads its resources.
#include "ProgramResources.h"

#include "support/Process.h"

namespace {

struct ProgramFile {
    ProgramFile() : m_hModule(LoadLibraryExW(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ProgramFile()
    {
        if (m_hModule)
            FreeLibrary(m_hModule);
    }
    HMODULE m_hModule;
};

std::string ResourceIdText(LPCSTR pszId)
{
    if (IS_INTRESOURCE(pszId))
        return "#" + std::to_string((unsigned)(ULONG_PTR)pszId);
    return pszId;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR pszType, LPCSTR pszName, WORD wLanguage, LONG_PTR lParam)
{
    ((std::set<std::string> *)lParam)->insert(ResourceKey(pszType, pszName, wLanguage));
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE hModule, LPCSTR pszType, LPSTR pszName, LONG_PTR lParam)
{
    EnumResourceLanguagesA(hModule, pszType, pszName, AddLanguage, lParam);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE hModule, LPSTR pszType, LONG_PTR lParam)
{
    EnumResourceNamesA(hModule, pszType, AddName, lParam);
    return TRUE;
}

} // namespace

HMODULE ProgramModule()
{
    static ProgramFile s_program;
    return s_program.m_hModule;
}

Bytes ProgramResource(LPCSTR pszType, LPCSTR pszName, WORD wLanguage)
{
    HMODULE hModule = ProgramModule();
    HRSRC hInfo = hModule ? FindResourceExA(hModule, pszType, pszName, wLanguage) : NULL;
    HGLOBAL hData = hInfo ? LoadResource(hModule, hInfo) : NULL;
    const BYTE *pData = hData ? (const BYTE *)LockResource(hData) : NULL;
    if (!pData)
        return Bytes();
    return Bytes(pData, pData + SizeofResource(hModule, hInfo));
}

std::set<std::string> ProgramResourceKeys()
{
    std::set<std::string> keys;
    if (ProgramModule())
        EnumResourceTypesA(ProgramModule(), AddType, (LONG_PTR)&keys);
    return keys;
}

std::string ResourceKey(LPCSTR pszType, LPCSTR pszName, WORD wLanguage)
{
    return ResourceIdText(pszType) + " " + ResourceIdText(pszName) + " " + std::to_string(wLanguage);
}

ImageGroup ProgramImageGroup(LPCSTR pszGroupType, WORD wGroup)
{
    const size_t HEADER_SIZE = 6, ENTRY_SIZE = 14;
    Bytes bytes = ProgramResource(pszGroupType, MAKEINTRESOURCEA(wGroup), LANGUAGE_NEUTRAL);
    ImageGroup group = {WordAt(bytes, 0), WordAt(bytes, 2), {}};
    bool bCursor = pszGroupType == RT_GROUP_CURSOR;
    for (size_t nEntry = HEADER_SIZE; nEntry + ENTRY_SIZE <= bytes.size() && group.entries.size() < WordAt(bytes, 4);
         nEntry += ENTRY_SIZE) {
        // An icon group gives width and height in a byte each, a cursor
        // group in a word each.
        GroupEntry entry;
        entry.nWidth = bCursor ? WordAt(bytes, nEntry) : bytes[nEntry];
        entry.nHeight = bCursor ? WordAt(bytes, nEntry + 2) : bytes[nEntry + 1];
        entry.wPlanes = WordAt(bytes, nEntry + 4);
        entry.wBitCount = WordAt(bytes, nEntry + 6);
        entry.cbBytes = DwordAt(bytes, nEntry + 8);
        entry.wId = WordAt(bytes, nEntry + 12);
        group.entries.push_back(entry);
    }
    return group;
}

WORD WordAt(const Bytes &bytes, size_t nOffset)
{
    if (nOffset + 2 > bytes.size())
        return 0;
    return (WORD)(bytes[nOffset] | bytes[nOffset + 1] << 8);
}

DWORD DwordAt(const Bytes &bytes, size_t nOffset)
{
    return WordAt(bytes, nOffset) | (DWORD)WordAt(bytes, nOffset + 2) << 16;
}

std::string TagAt(const Bytes &bytes, size_t nOffset)
{
    if (nOffset + 4 > bytes.size())
        return std::string();
    return std::string((const char *)&bytes[nOffset], 4);
}
