// Reading the resources of the built Zelbrant.exe beside the test program,
// loaded as a data file so that nothing of it runs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

const WORD LANGUAGE_NEUTRAL = 0;
const WORD LANGUAGE_FRENCH_CANADA = 3084;  // the dialogs and the version block
const WORD LANGUAGE_ENGLISH_CANADA = 4105; // the manifest

const std::vector<WORD> ICON_GROUPS = {101, 102, 135, 140, 141, 144, 146, 176, 177, 182, 183, 192};

// Zelbrant.exe mapped for its resources only; loaded once, on first use.
HMODULE ProgramModule();

// The bytes of one resource of Zelbrant.exe, empty when there is none.
Bytes ProgramResource(LPCSTR pszType, LPCSTR pszName, WORD wLanguage);

// The RT_ICON or RT_CURSOR ids that an icon or cursor group lists.
std::vector<WORD> GroupImageIds(LPCSTR pszGroupType, WORD wGroup);

// Little-endian fields; past the end they read as zero, so that a truncated
// resource fails its checks instead of reading out of bounds.
WORD WordAt(const Bytes &bytes, size_t nOffset);
DWORD DwordAt(const Bytes &bytes, size_t nOffset);
// Up to cb bytes from an offset, fewer where the resource ends.
Bytes Slice(const Bytes &bytes, size_t nOffset, size_t cb);

// The bytes of a plain structure, to compare with what a resource stores.
template <class T> Bytes BytesOf(const T &value)
{
    return Bytes((const BYTE *)&value, (const BYTE *)&value + sizeof(value));
}
