// The real main dialog for in-process tests: created modeless from its
// template with its dialog procedure, and destroyed at the end of the test.
#pragma once

#include "dialog/DlgZelbrant.h"

class TestMainDialog {
public:
    TestMainDialog();
    ~TestMainDialog();

    ZLBR_DlgZelbrant m_dlg;
    HWND m_hWnd;

private:
    TestMainDialog(const TestMainDialog &) = delete;
    TestMainDialog &operator=(const TestMainDialog &) = delete;
};
