// The private font: a TrueType file of the family "Segoe UI", which the
// system really uses for that face once the program has installed it.
#include "ProgramResources.h"

#include "app/Application.h"

#include <gtest/gtest.h>

TEST(FontResource, OnceInstalledTheTrueTypeFileIsTheRegularSegoeUiTheSystemRealises)
{
    ASSERT_TRUE(theApplication.m_hPrivateFont);
    Bytes font = ProgramResource("PRIVATE_FONT", "SEGOEUI.TTF", LANGUAGE_NEUTRAL);
    HDC hdc = CreateCompatibleDC(NULL);
    HFONT hFont = CreateFontA(-MulDiv(8, GetDeviceCaps(hdc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, "Segoe UI");
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);

    char szFace[LF_FACESIZE] = "";
    GetTextFaceA(hdc, sizeof(szFace), szFace);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(hdc, &metrics);
    // The same file, and not a substitute that merely answers to the name.
    DWORD cbFont = GetFontData(hdc, 0, 0, NULL, 0);
    Bytes realised(cbFont == GDI_ERROR ? 0 : cbFont);
    GetFontData(hdc, 0, 0, realised.data(), (DWORD)realised.size());

    SelectObject(hdc, hOldFont);
    DeleteObject(hFont);
    DeleteDC(hdc);
    EXPECT_STREQ(szFace, "Segoe UI");
    EXPECT_EQ(realised.size(), font.size());
    EXPECT_TRUE(realised == font);
    EXPECT_EQ(Slice(font, 0, 4), (Bytes{0, 1, 0, 0})) << "TrueType outlines";
    EXPECT_EQ(metrics.tmWeight, FW_NORMAL) << "Regular";
    EXPECT_FALSE(metrics.tmItalic);
}
