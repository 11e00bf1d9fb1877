// The private font as the running program installs it.
#include "support/Support.h"

// The system realises the private font itself for the name, not a substitute that merely answers to it.
TEST(FontResource, OnceInstalledTheTrueTypeFileIsTheSegoeUiTheSystemRealises)
{
    const HINSTANCE hProgram = theApplication.m_hInstance;
    HRSRC hInfo = FindResourceA(hProgram, "SegoeUI.ttf", "PRIVATE_FONT");
    const BYTE *pFont = hInfo ? (const BYTE *)LockResource(LoadResource(hProgram, hInfo)) : NULL;
    HDC hdc = CreateCompatibleDC(NULL);
    HGDIOBJ hOldFont =
        SelectObject(hdc, CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Segoe UI"));
    DWORD cbRealised = GetFontData(hdc, 0, 0, NULL, 0);
    std::vector<BYTE> realised(cbRealised == GDI_ERROR ? 0 : cbRealised);
    GetFontData(hdc, 0, 0, realised.data(), (DWORD)realised.size());
    DeleteObject(SelectObject(hdc, hOldFont));
    DeleteDC(hdc);
    EXPECT_TRUE(theApplication.m_hPrivateFont && pFont &&
                realised == std::vector<BYTE>(pFont, pFont + SizeofResource(hProgram, hInfo)));
}
