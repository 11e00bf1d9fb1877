// Reading the resources of the built Zelbrant.exe beside the test program,
// loaded as a data file so that nothing of it runs, and the little-endian
// fields of their binary formats.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// The languages the resources are stored under.
const WORD LANGUAGE_NEUTRAL = 0;
const WORD LANGUAGE_FRENCH_CANADA = 3084;  // the dialogs and the version block
const WORD LANGUAGE_ENGLISH_CANADA = 4105; // the manifest

// Zelbrant.exe mapped for its resources only; loaded once, on first use.
HMODULE ProgramModule();

// The bytes of one resource of Zelbrant.exe, empty when there is none.
Bytes ProgramResource(LPCSTR pszType, LPCSTR pszName, WORD wLanguage);

// Every resource of Zelbrant.exe as "type name language", numeric ids
// written "#n" and names as stored: "#5 #196 3084", "WAVE #130 0".
std::set<std::string> ProgramResourceKeys();
std::string ResourceKey(LPCSTR pszType, LPCSTR pszName, WORD wLanguage);

// An icon or cursor group: the header's type (1 icon, 2 cursor) and what it
// says of each image; all zero and no entries when the group is missing.
struct GroupEntry {
    int nWidth;
    int nHeight; // a cursor group counts the mask too: twice the picture's height
    WORD wPlanes;
    WORD wBitCount;
    DWORD cbBytes;
    WORD wId; // the RT_ICON or RT_CURSOR resource that holds the image
};
struct ImageGroup {
    WORD wReserved;
    WORD wType;
    std::vector<GroupEntry> entries;
};
ImageGroup ProgramImageGroup(LPCSTR pszGroupType, WORD wGroup);

// Fields read at a byte offset; past the end they read as zero, so that a
// truncated resource fails its checks instead of reading out of bounds.
WORD WordAt(const Bytes &bytes, size_t nOffset);
DWORD DwordAt(const Bytes &bytes, size_t nOffset);
// Four characters at an offset, for RIFF and TrueType tags.
std::string TagAt(const Bytes &bytes, size_t nOffset);
