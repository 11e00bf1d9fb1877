// The Copy button: the panel's eight labelled lines on the clipboard, with
// the labels as the dialog shows them at the time of the copy.
#include "settings/ClipboardExport.h"
#include "support/Support.h"

#include <list>
#include <stdio.h>

// Another program's hold on the clipboard: open from the first event until the second.
static DWORD WINAPI HoldClipboard(void *pEvents)
{
    OpenClipboard(NULL);
    SignalObjectAndWait(((HANDLE *)pEvents)[0], ((HANDLE *)pEvents)[1], 10000, FALSE);
    return CloseClipboard();
}

TEST(ClipboardExport, CopyPutsEachLabelWithoutColonsPaddedToTheLongestThenTheFieldAsShownButLeavesAHeldClipboard)
{
    MainDialog main;
    // The window shown has a handle whose last digit is a letter (handles are small numbers here). The pop-up
    // picked is owned by it, and it is shown as the root of that chain.
    std::list<WindowHolder> windows;
    do
        windows.emplace_back(CreateTopLevel(WS_POPUP, 0, 10, 10, 50, 40, NULL, "Un titre : sur\r\ndeux lignes"));
    while (windows.size() < 64 && HandleToULong(windows.back().m_hWnd) % 16 < 10);
    HWND shown = windows.back();
    main.m_dlg.m_bAutoFindRootParent = true;
    main.m_dlg.UpdateWindowInfo(CreateTopLevel(WS_POPUP, 0, 20, 20, 10, 10, shown));
    SetDlgItemTextA(main.m_hWnd, IDC_LABEL_TITLE, "  Mot :: ");
    SetDlgItemTextA(main.m_hWnd, IDC_LABEL_RECT, "Rectangle de la fen\xEAtre :");
    char szExpected[512];
    snprintf(szExpected, sizeof szExpected,
             "Mot                     :  Un titre : sur\r\ndeux lignes\r\n"
             "Classe                  :  ZelbrantTestWindow\r\n"
             "Descripteur             :  0x%08lX\r\n"
             "Identificateur          :  0\r\n"
             "Style                   :  0x84000000\r\n"
             "Style \xE9tendu            :  0x00000000\r\n"
             "Parent                  :  0x00000000\r\n"
             "Rectangle de la fen\xEAtre :  (10, 10), (60, 50)   50 \xD7 40\r\n",
             HandleToULong(shown));
    const UINT nOlderFormat = RegisterClipboardFormatA("ZelbrantTestOlder");
    for (bool bHeld : {false, true}) {
        SoundSpy spy;
        // An older selection, as text and in a format of its own.
        ASSERT_TRUE(OpenClipboard(main.m_hWnd) && SetClipboardText("avant", 5) && OpenClipboard(main.m_hWnd));
        SetClipboardData(nOlderFormat, GlobalAlloc(GMEM_MOVEABLE, 1));
        CloseClipboard();
        HANDLE ahEvents[2] = {CreateEventA(NULL, TRUE, !bHeld, NULL), CreateEventA(NULL, TRUE, FALSE, NULL)};
        HANDLE hHolder = bHeld ? CreateThread(NULL, 0, HoldClipboard, ahEvents, 0, NULL) : NULL;
        WaitForSingleObject(ahEvents[0], 10000);
        SendMessageA(main.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_COPY_TO_CLIPBOARD, BN_CLICKED), 0);
        SetEvent(ahEvents[1]);
        WaitForSingleObject(hHolder, 10000);
        for (HANDLE h : {hHolder, ahEvents[0], ahEvents[1]})
            CloseHandle(h);
        HANDLE hData = OpenClipboard(NULL) ? GetClipboardData(CF_TEXT) : NULL;
        const char *pszCopied = (const char *)GlobalLock(hData);
        EXPECT_EQ(pszCopied ? pszCopied : "(no text)", std::string(bHeld ? "avant" : szExpected));
        GlobalUnlock(hData);
        CloseClipboard();
        EXPECT_EQ(spy.m_sounds, std::vector<UINT>{UINT(bHeld ? IDW_FAILURE : IDW_COPIED)});
        EXPECT_EQ(IsClipboardFormatAvailable(nOlderFormat) != FALSE, bHeld) << "the older selection's other format";
    }
}
