// The Copy button's text: the panel's eight labelled lines put on the
// clipboard as plain text.
#pragma once

#include <windows.h>

#include <stddef.h>

class ZLBR_DlgZelbrant;

// Builds the eight lines from what the dialog's labels and fields show now
// and puts them on the clipboard; true when the clipboard holds them.
bool CopyInfoToClipboard(const ZLBR_DlgZelbrant &dlg);

// Replaces the contents of the open clipboard with cch bytes of text as
// CF_TEXT, and closes the clipboard in every case.
bool SetClipboardText(const char *pszText, size_t cch);
