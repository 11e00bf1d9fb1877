// Redirection of the test program's PlaySoundA import to a recorder.
#include "support/SoundSpy.h"

typedef BOOL(WINAPI *PFN_PlaySoundA)(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);

static SoundSpy *s_pActiveSpy;
static PFN_PlaySoundA s_pfnRealPlaySound;

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

SoundSpy::SoundSpy() : m_ppImportSlot(NULL), m_dwLastFlags(0), m_hLastModule(NULL)
{
    void *pfnPlaySound = (void *)GetProcAddress(GetModuleHandleA("winmm.dll"), "PlaySoundA");
    if (s_pActiveSpy || !pfnPlaySound || !(m_ppImportSlot = FindImportSlot(pfnPlaySound)))
        return;
    s_pActiveSpy = this;
    s_pfnRealPlaySound = (PFN_PlaySoundA)pfnPlaySound;
    WriteImportSlot(m_ppImportSlot, (void *)RecordPlaySound);
}

SoundSpy::~SoundSpy()
{
    if (!m_ppImportSlot)
        return;
    WriteImportSlot(m_ppImportSlot, (void *)s_pfnRealPlaySound);
    s_pActiveSpy = NULL;
}

void SoundSpy::Clear()
{
    m_sounds.clear();
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
