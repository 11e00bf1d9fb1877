// Lets in-process tests see which sounds the program asks for. The program's
// code is linked into the test program, so its PlaySoundA and MessageBeep
// calls go through the test program's imports; the spy redirects them to a
// recorder which then plays the sound as asked and returns the real result.
#pragma once

#include <windows.h>

#include <vector>

class SoundSpy {
public:
    // Stands in Sounds() for a sound named by a string instead of an id.
    static constexpr UINT NAMED_SOUND = 0xFFFFFFFF;

    // Redirects the import with an empty record; the destructor restores it.
    SoundSpy();
    ~SoundSpy();

    // False when the test program does not import PlaySoundA or another spy
    // is active: then nothing is recorded.
    bool Installed() const
    {
        return m_ppPlaySoundSlot != NULL;
    }
    // The sound ids asked for, oldest first.
    std::vector<UINT> Sounds() const
    {
        return m_sounds;
    }
    // Flags and module of the last call; 0 and null before any call.
    DWORD LastFlags() const
    {
        return m_dwLastFlags;
    }
    HMODULE LastModule() const
    {
        return m_hLastModule;
    }
    void Clear();
    // The MessageBeep types asked for, oldest first; redirected alike.
    std::vector<UINT> Beeps() const
    {
        return m_beeps;
    }

private:
    SoundSpy(const SoundSpy &) = delete;
    SoundSpy &operator=(const SoundSpy &) = delete;

    static BOOL WINAPI RecordPlaySound(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);
    static BOOL WINAPI RecordMessageBeep(UINT uType);

    void **m_ppPlaySoundSlot;
    void **m_ppBeepSlot;
    std::vector<UINT> m_sounds, m_beeps;
    DWORD m_dwLastFlags;
    HMODULE m_hLastModule;
};
