// Redirection of the test program's PlaySoundA and MessageBeep imports to a recorder.
#include "support/SoundSpy.h"

typedef BOOL(WINAPI *PFN_PlaySoundA)(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);
typedef BOOL(WINAPI *PFN_MessageBeep)(UINT uType);

static SoundSpy *s_pActiveSpy;
static PFN_PlaySoundA s_pfnRealPlaySound;
static PFN_MessageBeep s_pfnRealMessageBeep;

// The import address table slot of this program that holds pfnTarget, or null.
static void **FindImportSlot(void *pfnTarget)
{
    BYTE *pBase = (BYTE *)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS *pNt = (IMAGE_NT_HEADERS *)(pBase + ((IMAGE_DOS_HEADER *)pBase)->e_lfanew);
    DWORD dwImports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (IMAGE_IMPORT_DESCRIPTOR *pDesc = (IMAGE_IMPORT_DESCRIPTOR *)(pBase + dwImports); dwImports && pDesc->Name;
         pDesc++) {
        for (IMAGE_THUNK_DATA *pThunk = (IMAGE_THUNK_DATA *)(pBase + pDesc->FirstThunk); pThunk->u1.Function; pThunk++)
            if ((void *)pThunk->u1.Function == pfnTarget)
                return (void **)&pThunk->u1.Function;
    }
    return NULL;
}

// The table may lie in a read-only section.
static void WriteImportSlot(void **ppSlot, void *pfnValue)
{
    DWORD dwOldProtect;
    VirtualProtect(ppSlot, sizeof(*ppSlot), PAGE_READWRITE, &dwOldProtect);
    *ppSlot = pfnValue;
    VirtualProtect(ppSlot, sizeof(*ppSlot), dwOldProtect, &dwOldProtect);
}

SoundSpy::SoundSpy() : m_ppPlaySoundSlot(NULL), m_ppBeepSlot(NULL), m_dwLastFlags(0), m_hLastModule(NULL)
{
    s_pfnRealPlaySound = (PFN_PlaySoundA)(void *)GetProcAddress(GetModuleHandleA("winmm.dll"), "PlaySoundA");
    s_pfnRealMessageBeep = (PFN_MessageBeep)(void *)GetProcAddress(GetModuleHandleA("user32.dll"), "MessageBeep");
    if (s_pActiveSpy || !(m_ppPlaySoundSlot = FindImportSlot((void *)s_pfnRealPlaySound)))
        return;
    s_pActiveSpy = this;
    WriteImportSlot(m_ppPlaySoundSlot, (void *)RecordPlaySound);
    if ((m_ppBeepSlot = FindImportSlot((void *)s_pfnRealMessageBeep)))
        WriteImportSlot(m_ppBeepSlot, (void *)RecordMessageBeep);
}

SoundSpy::~SoundSpy()
{
    if (s_pActiveSpy != this)
        return;
    WriteImportSlot(m_ppPlaySoundSlot, (void *)s_pfnRealPlaySound);
    if (m_ppBeepSlot)
        WriteImportSlot(m_ppBeepSlot, (void *)s_pfnRealMessageBeep);
    s_pActiveSpy = NULL;
}

void SoundSpy::Clear()
{
    m_sounds.clear();
    m_beeps.clear();
    m_dwLastFlags = 0;
    m_hLastModule = NULL;
}

BOOL WINAPI SoundSpy::RecordPlaySound(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags)
{
    SoundSpy *pSpy = s_pActiveSpy;
    pSpy->m_sounds.push_back(IS_INTRESOURCE(pszSound) ? (UINT)(ULONG_PTR)pszSound : NAMED_SOUND);
    pSpy->m_dwLastFlags = dwFlags;
    pSpy->m_hLastModule = hModule;
    return s_pfnRealPlaySound(pszSound, hModule, dwFlags);
}

BOOL WINAPI SoundSpy::RecordMessageBeep(UINT uType)
{
    s_pActiveSpy->m_beeps.push_back(uType);
    return s_pfnRealMessageBeep(uType);
}
