// Lets in-process tests see which sounds the program asks for. The program's
// code is linked into the test program, so its PlaySoundA calls go through
// the test program's import of winmm.dll; the spy redirects that import to a
// recorder which then plays the sound as asked and returns the real result.
#pragma once

#include <windows.h>

#include <vector>

class SoundSpy {
public:
    // Stands in Sounds() for a sound named by a string instead of an id.
    static const UINT NAMED_SOUND = 0xFFFFFFFF;

    // Redirects the import with an empty record; the destructor restores it.
    SoundSpy();
    ~SoundSpy();

    // False when the test program does not import PlaySoundA (nothing that
    // it links calls it) or another spy is active: then nothing is recorded.
    bool Installed() const;
    // The sound ids asked for, oldest first; 0 stands for a null name.
    std::vector<UINT> Sounds() const;
    // Flags and module of the last call; 0 and null before any call.
    DWORD LastFlags() const;
    HMODULE LastModule() const;
    void Clear();
    // The MessageBeep types asked for, oldest first; redirected alike.
    std::vector<UINT> Beeps() const;

private:
    SoundSpy(const SoundSpy &) = delete;
    SoundSpy &operator=(const SoundSpy &) = delete;

    static BOOL WINAPI RecordPlaySound(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);
    static BOOL WINAPI RecordMessageBeep(UINT uType);

    void **m_ppImportSlot;
    void **m_ppBeepSlot;
    std::vector<UINT> m_beeps;
    std::vector<UINT> m_sounds;
    DWORD m_dwLastFlags;
    HMODULE m_hLastModule;
};
