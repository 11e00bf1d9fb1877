// Reading the text of windows that lie about its length: the text is cut to
// the buffer, never read beyond it, and the panel is filled all the same.
#include "picking/InfoPanel.h"
#include "support/MainDialog.h"
#include "support/Process.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string.h>

// How a lying window answers: the length it announces, what it writes into
// the WM_GETTEXT buffer (as much of pszWritten as fits, with or without a
// terminator) and the count it returns.
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
    if (message == WM_GETTEXTLENGTH)
        return pAnswer->nAnnounced;
    if (message == WM_GETTEXT) {
        pAnswer->cchOffered = wParam;
        if (pAnswer->bTerminated)
            lstrcpynA((char *)lParam, pAnswer->pszWritten, (int)wParam);
        else
            memcpy((char *)lParam, pAnswer->pszWritten, std::min(strlen(pAnswer->pszWritten), (size_t)wParam));
        return pAnswer->nReturned;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

static HWND CreateLyingWindow(TextAnswer *pAnswer)
{
    HWND hWnd = CreateTopLevel(WS_POPUP, 0, 100, 50, 300, 200);
    SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)pAnswer);
    SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)LyingWindowProc);
    return hWnd;
}

static const char s_szMany[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

TEST(QueryWindowText, AWindowThatLiesAboutItsTextIsReadOnlyWithinTheBufferItAnnounced)
{
    const WPARAM cchCap = s_cchMaxWindowText + 1;
    struct Case {
        TextAnswer answer;
        const char *pszText;
        WPARAM cchOffered;
    } cases[] = {
        {{3, s_szMany, false, 1000, 0}, "ABC", 4}, // a count larger than the buffer
        {{10, "AB", true, 8, 0}, "AB", 11},        // a count larger than the text
        {{3, s_szMany, false, -1, 0}, "ABC", 4},   // -1: up to the terminator, or the buffer's end
        {{10, "AB", true, -1, 0}, "AB", 11},
        {{3, "ABC", true, -5, 0}, "", 4},                 // another negative count
        {{4, "ABCD", true, 2, 0}, "AB", 5},               // a smaller count is trusted
        {{-7, "ABC", true, 3, 0}, "", 0},                 // a negative length: nothing is asked
        {{0x7FFFFFFF, "abc", true, 3, 0}, "abc", cchCap}, // an absurd length is capped
        {{0x7FFFFFFF, s_szMany, false, 0x7FFFFFFF, 0}, s_szMany, cchCap},
    };
    for (Case &c : cases) {
        WindowHolder wnd(CreateLyingWindow(&c.answer));

        EXPECT_EQ(QueryWindowText(wnd), c.pszText) << c.answer.nAnnounced << " announced, " << c.answer.nReturned;
        EXPECT_EQ(c.answer.cchOffered, c.cchOffered) << c.answer.nAnnounced << " announced";
    }
}

TEST(InfoPanelWithLyingWindow, ItsTitleIsShownCutAndTheOtherValuesAsUsual)
{
    MainDialog main;
    TextAnswer answer = {3, s_szMany, false, 1000, 0};
    WindowHolder wnd(CreateLyingWindow(&answer));

    main.m_dlg.UpdateWindowInfo(wnd);

    EXPECT_EQ(WindowText(main.m_dlg.m_hWndInfoTitle), "ABC");
    EXPECT_EQ(WindowText(main.m_dlg.m_hWndInfoClass), TestWindowClass());
    EXPECT_EQ(WindowText(main.m_dlg.m_hWndInfoRect), "(100, 50), (400, 250)   300 \xD7 200");
}
