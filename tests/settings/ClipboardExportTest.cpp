// The Copy button: the panel's eight labelled lines on the clipboard, with
// the labels as the dialog shows them at the time of the copy.
#include "res/resource.h"
#include "settings/ClipboardExport.h"
#include "support/MainDialog.h"
#include "support/Process.h"
#include "support/SoundSpy.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

// The template's labels, cleaned and filled up to "Identificateur".
const char *const s_apszLabels[8] = {"Titre         ", "Classe        ",    "Descripteur   ", "Identificateur",
                                     "Style         ", "Style \xE9tendu  ", "Parent        ", "Rectangle     "};

std::string ClipboardText()
{
    std::string strText;
    if (!OpenClipboard(NULL))
        return "(clipboard not open)";
    HANDLE hData = GetClipboardData(CF_TEXT);
    const char *pszData = hData ? (const char *)GlobalLock(hData) : NULL;
    if (pszData)
        strText = pszData;
    if (hData)
        GlobalUnlock(hData);
    CloseClipboard();
    return strText;
}

void SetClipboard(const char *pszText)
{
    ASSERT_TRUE(OpenClipboard(NULL));
    ASSERT_TRUE(SetClipboardText(pszText, strlen(pszText)));
}

TEST(ClipboardExport, CopyPutsEachLabelFilledUpToTheLongestThenTheFieldAsShown)
{
    const struct {
        const char *pszShownTitle; // null: the panel is empty
        const char *pszTitleLabel; // null: the template's
        std::string strFirstLabel;
        size_t cchWidth;
    } aCases[] = {
        {"Un titre : sur\r\ndeux lignes", NULL, s_apszLabels[0], 14},
        {NULL, NULL, s_apszLabels[0], 14},
        {"T", "  Mot :: ", "Mot           ", 14},
        {"T", "Titre de la fen\xEAtre :", "Titre de la fen\xEAtre", 19},
    };
    for (const auto &c : aCases) {
        MainDialog main;
        SoundSpy spy;
        WindowHolder shown(c.pszShownTitle ? CreateTopLevel(WS_POPUP, 0, 10, 10, 50, 40, NULL, c.pszShownTitle) : NULL);
        main.m_dlg.UpdateWindowInfo(shown);
        if (c.pszTitleLabel)
            SetDlgItemTextA(main.m_hWnd, IDC_LABEL_TITLE, c.pszTitleLabel);
        SetClipboard("avant");

        SendMessageA(main.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_COPY_TO_CLIPBOARD, BN_CLICKED), 0);

        std::string strExpected;
        for (int i = 0; i < 8; i++) {
            std::string strLabel = i == 0 ? c.strFirstLabel : s_apszLabels[i];
            strLabel.resize(c.cchWidth, ' ');
            strExpected += strLabel + " :  " + WindowText(main.Item(IDC_INFO_TITLE + i)) + "\r\n";
        }
        EXPECT_EQ(ClipboardText(), strExpected);
        EXPECT_EQ(WindowText(main.Item(IDC_INFO_TITLE)), c.pszShownTitle ? c.pszShownTitle : "");
        EXPECT_EQ(spy.Sounds(), std::vector<UINT>{IDW_COPIED});
    }
}

// Another program's hold on the clipboard: open until told to let go.
DWORD WINAPI HoldClipboard(void *pEvents)
{
    HANDLE *phEvents = (HANDLE *)pEvents; // held, then release
    OpenClipboard(NULL);
    SetEvent(phEvents[0]);
    WaitForSingleObject(phEvents[1], 10000);
    CloseClipboard();
    return 0;
}

TEST(ClipboardExport, AClipboardHeldByAnotherProgramFailsAndKeepsItsContents)
{
    MainDialog main;
    SoundSpy spy;
    SetClipboard("avant");
    HANDLE ahEvents[2] = {CreateEventA(NULL, TRUE, FALSE, NULL), CreateEventA(NULL, TRUE, FALSE, NULL)};
    HANDLE hHolder = CreateThread(NULL, 0, HoldClipboard, ahEvents, 0, NULL);
    WaitForSingleObject(ahEvents[0], 10000);

    SendMessageA(main.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_COPY_TO_CLIPBOARD, BN_CLICKED), 0);

    SetEvent(ahEvents[1]);
    WaitForSingleObject(hHolder, 10000);
    for (HANDLE h : {hHolder, ahEvents[0], ahEvents[1]})
        CloseHandle(h);
    EXPECT_EQ(spy.Sounds(), std::vector<UINT>{IDW_FAILURE});
    EXPECT_EQ(ClipboardText(), "avant");
}

} // namespace
