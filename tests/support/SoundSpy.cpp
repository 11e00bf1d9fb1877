// Redirection of the test program's PlaySoundA import to a recorder.
#include "support/SoundSpy.h"

typedef BOOL(WINAPI *PFN_PlaySoundA)(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);
typedef BOOL(WINAPI *PFN_MessageBeep)(UINT uType);

static SoundSpy *s_pActiveSpy;
static PFN_PlaySoundA s_pfnRealPlaySound;
static PFN_MessageBeep s_pfnRealMessageBeep;

// The import address table slot of this program that holds pfnTarget, from
// the import descriptors of the named DLL; null when there is none.
static void **FindImportSlot(const char *pszDll, void *pfnTarget)
{
    BYTE *pBase = (BYTE *)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS *pNt = (IMAGE_NT_HEADERS *)(pBase + ((IMAGE_DOS_HEADER *)pBase)->e_lfanew);
    IMAGE_DATA_DIRECTORY &imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return NULL;
    for (IMAGE_IMPORT_DESCRIPTOR *pDesc = (IMAGE_IMPORT_DESCRIPTOR *)(pBase + imports.VirtualAddress); pDesc->Name;
         pDesc++) {
        if (lstrcmpiA((const char *)(pBase + pDesc->Name), pszDll) != 0)
            continue;
        for (IMAGE_THUNK_DATA *pThunk = (IMAGE_THUNK_DATA *)(pBase + pDesc->FirstThunk); pThunk->u1.Function;
             pThunk++) {
            if ((void *)pThunk->u1.Function == pfnTarget)
                return (void **)&pThunk->u1.Function;
        }
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

SoundSpy::SoundSpy() : m_ppImportSlot(NULL), m_ppBeepSlot(NULL), m_dwLastFlags(0), m_hLastModule(NULL)
{
    HMODULE hWinmm = GetModuleHandleA("winmm.dll");
    void *pfnPlaySound = hWinmm ? (void *)GetProcAddress(hWinmm, "PlaySoundA") : NULL;
    if (s_pActiveSpy || !pfnPlaySound)
        return;
    m_ppImportSlot = FindImportSlot("winmm.dll", pfnPlaySound);
    if (!m_ppImportSlot)
        return;
    s_pActiveSpy = this;
    s_pfnRealPlaySound = (PFN_PlaySoundA)pfnPlaySound;
    WriteImportSlot(m_ppImportSlot, (void *)RecordPlaySound);
    s_pfnRealMessageBeep = (PFN_MessageBeep)(void *)GetProcAddress(GetModuleHandleA("user32.dll"), "MessageBeep");
    m_ppBeepSlot = FindImportSlot("user32.dll", (void *)s_pfnRealMessageBeep);
    if (m_ppBeepSlot)
        WriteImportSlot(m_ppBeepSlot, (void *)RecordMessageBeep);
}

SoundSpy::~SoundSpy()
{
    if (!m_ppImportSlot)
        return;
    WriteImportSlot(m_ppImportSlot, (void *)s_pfnRealPlaySound);
    if (m_ppBeepSlot)
        WriteImportSlot(m_ppBeepSlot, (void *)s_pfnRealMessageBeep);
    s_pActiveSpy = NULL;
}

bool SoundSpy::Installed() const
{
    return m_ppImportSlot != NULL;
}

std::vector<UINT> SoundSpy::Sounds() const
{
    return m_sounds;
}

DWORD SoundSpy::LastFlags() const
{
    return m_dwLastFlags;
}

HMODULE SoundSpy::LastModule() const
{
    return m_hLastModule;
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

std::vector<UINT> SoundSpy::Beeps() const
{
    return m_beeps;
}

BOOL WINAPI SoundSpy::RecordMessageBeep(UINT uType)
{
    s_pActiveSpy->m_beeps.push_back(uType);
    return s_pfnRealMessageBeep(uType);
}
