// Lets in-process tests see which sounds and beeps the program asks for. The
// program's code is linked into the test program, so its PlaySoundA and
// MessageBeep calls go through the test program's imports; the spy points
// them at recorders, which then call the real function.
#pragma once

#include <windows.h>

#include <vector>

class SoundSpy {
public:
    SoundSpy();  // redirects the imports with an empty record
    ~SoundSpy(); // restores them
    SoundSpy(const SoundSpy &) = delete;

    // Sound resource ids and MessageBeep types asked for, oldest first; the
    // flags and module of the last sound.
    std::vector<UINT> m_sounds, m_beeps;
    DWORD m_dwLastFlags = 0;
    HMODULE m_hLastModule = NULL;
};
