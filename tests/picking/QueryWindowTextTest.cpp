// Reading the text of windows that answer honestly and of windows that lie
// about its length: the text is cut to the buffer, never read beyond it.
#include "picking/InfoPanel.h"
#include "res/resource.h"
#include "support/MainDialog.h"
#include "support/Process.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <string.h>

// How a window of LyingWindowClass answers: the length it announces, what it
// writes into the WM_GETTEXT buffer (as much of pszWritten as fits, with or
// without a terminator) and the count it returns.
struct TextAnswer {
    LRESULT nAnnounced;
    const char *pszWritten;
    bool bTerminated;
    LRESULT nReturned;
    WPARAM cchOffered; // the buffer size WM_GETTEXT offered, seen by the window
};

static LRESULT CALLBACK LyingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    TextAnswer *pAnswer = (TextAnswer *)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (pAnswer && message == WM_GETTEXTLENGTH)
        return pAnswer->nAnnounced;
    if (pAnswer && message == WM_GETTEXT) {
        pAnswer->cchOffered = wParam;
        char *pszBuffer = (char *)lParam;
        size_t cch = strlen(pAnswer->pszWritten);
        size_t cchRoom = pAnswer->bTerminated ? wParam - 1 : wParam;
        memcpy(pszBuffer, pAnswer->pszWritten, cch < cchRoom ? cch : cchRoom);
        if (pAnswer->bTerminated)
            pszBuffer[cch < cchRoom ? cch : cchRoom] = '\0';
        return pAnswer->nReturned;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

static HWND CreateLyingWindow(TextAnswer *pAnswer)
{
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = LyingWindowProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "ZelbrantLyingWindow";
        s_bRegistered = RegisterClassA(&wc) != 0;
    }
    HWND hWnd = CreateWindowExA(0, "ZelbrantLyingWindow", "", WS_POPUP, 100, 50, 300, 200, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)pAnswer);
    return hWnd;
}

static const char s_szMany[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

TEST(QueryWindowText, AnHonestWindowGivesItsWholeTextWithItsAccents)
{
    WindowHolder wnd(CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Fenêtre à propos"));

    EXPECT_EQ(QueryWindowText(wnd), "Fen\xEAtre \xE0 propos");
}

TEST(QueryWindowText, ACountLargerThanTheBufferGivesTheBufferCutAtItsEnd)
{
    TextAnswer answer = {3, s_szMany, false, 1000, 0};
    WindowHolder wnd(CreateLyingWindow(&answer));

    EXPECT_EQ(QueryWindowText(wnd), "ABC");
    EXPECT_EQ(answer.cchOffered, 4u);
}

TEST(QueryWindowText, ACountLargerThanTheTextStopsAtTheTerminator)
{
    TextAnswer answer = {10, "AB", true, 8, 0};
    WindowHolder wnd(CreateLyingWindow(&answer));

    EXPECT_EQ(QueryWindowText(wnd), "AB");
}

TEST(QueryWindowText, MinusOneReadsUpToTheTerminatorWithinTheBuffer)
{
    TextAnswer unterminated = {3, s_szMany, false, -1, 0};
    TextAnswer terminated = {10, "AB", true, -1, 0};
    WindowHolder wndUnterminated(CreateLyingWindow(&unterminated));
    WindowHolder wndTerminated(CreateLyingWindow(&terminated));

    EXPECT_EQ(QueryWindowText(wndUnterminated), "ABC");
    EXPECT_EQ(QueryWindowText(wndTerminated), "AB");
}

TEST(QueryWindowText, AnotherNegativeCountGivesAnEmptyText)
{
    TextAnswer answer = {3, "ABC", true, -5, 0};
    WindowHolder wnd(CreateLyingWindow(&answer));

    EXPECT_EQ(QueryWindowText(wnd), "");
}

TEST(QueryWindowText, ACountSmallerThanTheTextIsTrusted)
{
    TextAnswer answer = {4, "ABCD", true, 2, 0};
    WindowHolder wnd(CreateLyingWindow(&answer));

    EXPECT_EQ(QueryWindowText(wnd), "AB");
}

TEST(QueryWindowText, ANegativeLengthGivesAnEmptyTextWithoutAskingForIt)
{
    TextAnswer answer = {-7, "ABC", true, 3, 0};
    WindowHolder wnd(CreateLyingWindow(&answer));

    EXPECT_EQ(QueryWindowText(wnd), "");
    EXPECT_EQ(answer.cchOffered, 0u);
}

TEST(QueryWindowText, AnAbsurdLengthIsCappedAndTheTextStillRead)
{
    TextAnswer honest = {0x7FFFFFFF, "abc", true, 3, 0};
    TextAnswer filling = {0x7FFFFFFF, s_szMany, false, 0x7FFFFFFF, 0};
    WindowHolder wndHonest(CreateLyingWindow(&honest));
    WindowHolder wndFilling(CreateLyingWindow(&filling));

    EXPECT_EQ(QueryWindowText(wndHonest), "abc");
    EXPECT_EQ(honest.cchOffered, s_cchMaxWindowText + 1);
    EXPECT_EQ(QueryWindowText(wndFilling), std::string(s_szMany));
}

TEST(QueryWindowText, AVanishedWindowGivesAnEmptyText)
{
    HWND hWnd = CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200, NULL, "Titre");
    DestroyWindow(hWnd);

    EXPECT_EQ(QueryWindowText(hWnd), "");
}

TEST(InfoPanelWithLyingWindow, AWindowThatLiesAboutItsTitleShowsItCutAndTheOtherValues)
{
    MainDialog main;
    TextAnswer answer = {3, s_szMany, false, 1000, 0};
    WindowHolder wnd(CreateLyingWindow(&answer));

    main.m_dlg.UpdateWindowInfo(wnd);

    EXPECT_EQ(WindowText(main.m_dlg.m_hWndInfoTitle), "ABC");
    EXPECT_EQ(WindowText(main.m_dlg.m_hWndInfoClass), "ZelbrantLyingWindow");
    EXPECT_EQ(WindowText(main.m_dlg.m_hWndInfoRect), "(100, 50), (400, 250)   300 \xD7 200");
}
