// The program's sounds and the test program's MessageBeep import sent to recorders.
#include "support/Support.h"

static SoundSpy *s_pSpy;
static PFN_PlaySoundA s_pfnPlaySound;
static FARPROC s_pfnMessageBeep = GetProcAddress(LoadLibraryA("user32.dll"), "MessageBeep");

static BOOL WINAPI RecordPlaySound(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags)
{
    s_pSpy->m_sounds.push_back((UINT)(ULONG_PTR)pszSound);
    s_pSpy->m_dwLastFlags = dwFlags;
    s_pSpy->m_hLastModule = hModule;
    return s_pfnPlaySound(pszSound, hModule, dwFlags);
}

static BOOL WINAPI RecordMessageBeep(UINT uType)
{
    s_pSpy->m_beeps.push_back(uType);
    return ((BOOL(WINAPI *)(UINT))(void *)s_pfnMessageBeep)(uType);
}

// Points the test program's import slot that holds pfnFrom at pfnTo (the
// table may lie in a read-only section).
void Redirect(FARPROC pfnFrom, FARPROC pfnTo)
{
    BYTE *pBase = (BYTE *)GetModuleHandleA(NULL);
    IMAGE_NT_HEADERS *pNt = (IMAGE_NT_HEADERS *)(pBase + ((IMAGE_DOS_HEADER *)pBase)->e_lfanew);
    DWORD dwImports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (IMAGE_IMPORT_DESCRIPTOR *pDesc = (IMAGE_IMPORT_DESCRIPTOR *)(pBase + dwImports); pDesc->Name; pDesc++)
        for (IMAGE_THUNK_DATA *pThunk = (IMAGE_THUNK_DATA *)(pBase + pDesc->FirstThunk); pThunk->u1.Function; pThunk++)
            if ((FARPROC)pThunk->u1.Function == pfnFrom) {
                DWORD dwProtect;
                VirtualProtect(&pThunk->u1.Function, sizeof pThunk->u1.Function, PAGE_READWRITE, &dwProtect);
                pThunk->u1.Function = (ULONG_PTR)pfnTo;
                VirtualProtect(&pThunk->u1.Function, sizeof pThunk->u1.Function, dwProtect, &dwProtect);
            }
}

SoundSpy::SoundSpy()
{
    s_pSpy = this;
    s_pfnPlaySound = theApplication.m_pfnPlaySound;
    theApplication.m_pfnPlaySound = RecordPlaySound;
    Redirect(s_pfnMessageBeep, (FARPROC)(void *)RecordMessageBeep);
}

SoundSpy::~SoundSpy()
{
    theApplication.m_pfnPlaySound = s_pfnPlaySound;
    Redirect((FARPROC)(void *)RecordMessageBeep, s_pfnMessageBeep);
    s_pSpy = NULL;
}
