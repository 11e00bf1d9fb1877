// The Copy button's text: each label as the dialog shows it, without its
// colon, filled up with spaces so that the separators line up, then " :  "
// and the field's text, one line each, every line ending with "\r\n".
#include "settings/ClipboardExport.h"

#include "dialog/DlgZelbrant.h"
#include "picking/InfoPanel.h"
#include "res/resource.h"

#include <new>
#include <string>

static const char s_szWhiteSpace[] = " \t\n\v\f\r";

// Removes every colon, walking character by character so that a trail byte
// of a double-byte character is never taken for one, then trims white space.
static std::string CleanLabel(const std::string &strLabel)
{
    std::string strClean;
    for (const char *p = strLabel.c_str(); *p; p = CharNextA(p)) {
        const char *pNext = CharNextA(p);
        if (!(pNext - p == 1 && *p == ':'))
            strClean.append(p, pNext - p);
    }
    strClean.erase(strClean.find_last_not_of(s_szWhiteSpace) + 1);
    strClean.erase(0, strClean.find_first_not_of(s_szWhiteSpace));
    return strClean;
}

static std::string BuildInfoText(HWND hDlg)
{
    std::string astrLabels[PANEL_FIELDS];
    size_t cchWidth = 0;
    for (int i = 0; i < PANEL_FIELDS; i++) {
        astrLabels[i] = CleanLabel(QueryWindowText(GetDlgItem(hDlg, IDC_LABEL_TITLE + i)));
        if (astrLabels[i].size() > cchWidth)
            cchWidth = astrLabels[i].size();
    }
    std::string strText;
    for (int i = 0; i < PANEL_FIELDS; i++) {
        astrLabels[i].resize(cchWidth, ' ');
        strText += astrLabels[i] + " :  " + QueryWindowText(GetDlgItem(hDlg, IDC_INFO_TITLE + i)) + "\r\n";
    }
    return strText;
}

bool CopyInfoToClipboard(const ZLBR_DlgZelbrant &dlg)
{
    std::string strText;
    try {
        strText = BuildInfoText(dlg.m_hWnd);
    } catch (const std::bad_alloc &) {
        return false; // the clipboard is left as it was
    }
    if (!OpenClipboard(dlg.m_hWnd))
        return false;
    return SetClipboardText(strText.c_str(), strText.size());
}

// The clipboard is emptied first, so a later failure leaves it empty rather
// than holding an older selection's lines.
bool SetClipboardText(const char *pszText, size_t cch)
{
    bool bResult = false;
    if (EmptyClipboard()) {
        HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, cch + 1);
        char *pBlock = hBlock ? (char *)GlobalLock(hBlock) : NULL;
        if (pBlock) {
            memcpy(pBlock, pszText, cch);
            pBlock[cch] = '\0';
            GlobalUnlock(hBlock);
            bResult = SetClipboardData(CF_TEXT, hBlock) != NULL;
        }
        // Once SetClipboardData has taken the block, it is the system's.
        if (hBlock && !bResult)
            GlobalFree(hBlock);
    }
    if (!CloseClipboard())
        return false;
    return bResult;
}
