// The Copy button: the panel's eight labelled lines on the clipboard, with
// the labels as the dialog shows them at the time of the copy.
#include "res/resource.h"
#include "settings/ClipboardExport.h"
#include "support/Support.h"

#include <gtest/gtest.h>

// Another program's hold on the clipboard: open from the first event until the second.
static DWORD WINAPI HoldClipboard(void *pEvents)
{
    OpenClipboard(NULL);
    SignalObjectAndWait(((HANDLE *)pEvents)[0], ((HANDLE *)pEvents)[1], 10000, FALSE);
    return CloseClipboard();
}

TEST(ClipboardExport, CopyPutsEachCleanedLabelFilledUpToTheLongestThenTheFieldAsShownOrFailsOnAHeldClipboard)
{
    // The template's labels, cleaned and filled up to "Identificateur".
    const char *const apszLabels[8] = {"Titre         ", "Classe        ",    "Descripteur   ", "Identificateur",
                                       "Style         ", "Style \xE9tendu  ", "Parent        ", "Rectangle     "};
    const struct {
        const char *pszShownTitle;                // null: the panel is empty
        const char *pszTitleLabel, *pszRectLabel; // null: the template's
        const char *pszCleanTitle, *pszCleanRect; // as copied
        size_t cchWidth;
        bool bHeld; // by another program
    } aCases[] = {
        {NULL, NULL, NULL, apszLabels[0], apszLabels[7], 14, false},
        {"Un titre : sur\r\ndeux lignes", "  Mot :: ", "Rectangle de la fen\xEAtre :", "Mot",
         "Rectangle de la fen\xEAtre", 23, false},
        {"T", NULL, NULL, NULL, NULL, 0, true},
    };
    for (const auto &c : aCases) {
        MainDialog main;
        SoundSpy spy;
        WindowHolder shown(c.pszShownTitle ? CreateTopLevel(WS_POPUP, 0, 10, 10, 50, 40, NULL, c.pszShownTitle) : NULL);
        main.m_dlg.UpdateWindowInfo(shown);
        if (c.pszTitleLabel) {
            SetDlgItemTextA(main.m_hWnd, IDC_LABEL_TITLE, c.pszTitleLabel);
            SetDlgItemTextA(main.m_hWnd, IDC_LABEL_RECT, c.pszRectLabel);
        }
        ASSERT_TRUE(OpenClipboard(NULL) && SetClipboardText("avant", 5));
        HANDLE ahEvents[2] = {CreateEventA(NULL, TRUE, !c.bHeld, NULL), CreateEventA(NULL, TRUE, FALSE, NULL)};
        HANDLE hHolder = c.bHeld ? CreateThread(NULL, 0, HoldClipboard, ahEvents, 0, NULL) : NULL;
        WaitForSingleObject(ahEvents[0], 10000);

        SendMessageA(main.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_COPY_TO_CLIPBOARD, BN_CLICKED), 0);

        SetEvent(ahEvents[1]);
        WaitForSingleObject(hHolder, 10000);
        for (HANDLE h : {hHolder, ahEvents[0], ahEvents[1]})
            CloseHandle(h);
        std::string strExpected = c.bHeld ? "avant" : "";
        for (int i = 0; i < 8 && !c.bHeld; i++) {
            std::string strLabel = i == 0 ? c.pszCleanTitle : i == 7 ? c.pszCleanRect : apszLabels[i];
            strLabel.resize(c.cchWidth, ' ');
            strExpected += strLabel + " :  " + WindowText(main.Item(IDC_INFO_TITLE + i)) + "\r\n";
        }
        HANDLE hData = OpenClipboard(NULL) ? GetClipboardData(CF_TEXT) : NULL;
        const char *pszCopied = (const char *)GlobalLock(hData);
        EXPECT_EQ(pszCopied ? pszCopied : "(no text)", strExpected);
        GlobalUnlock(hData);
        CloseClipboard();
        EXPECT_EQ(WindowText(main.Item(IDC_INFO_TITLE)), c.pszShownTitle ? c.pszShownTitle : "");
        EXPECT_EQ(spy.m_sounds, std::vector<UINT>{UINT(c.bHeld ? IDW_FAILURE : IDW_COPIED)});
    }
}
