// The main dialog object: its state between messages, the static dialog
// procedure that binds the window to it, and the handlers of its messages.
// The handlers take no arguments: they read the message being handled from
// m_pCurrentMsg and return the dialog-procedure result.
#pragma once

#include <windows.h>

#include <string>

// The information panel's fields, from the title to the rectangle, each with
// its label.
const int PANEL_FIELDS = 8;

class ZLBR_DlgZelbrant {
public:
    explicit ZLBR_DlgZelbrant(HINSTANCE hInstance);
    ~ZLBR_DlgZelbrant();

    INT_PTR DoModal();
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnMessage();

    // Enable or check a control only when its state differs.
    void SetControlEnabled(HWND hWndControl, bool bEnable);
    void SetControlChecked(HWND hWndControl, bool bCheck);
    void FocusMenuButton();

    // Start and end of the dialog (DlgInit.cpp)
    BOOL OnInitDialog();
    BOOL OnCaptureChanged();
    BOOL OnDestroy();
    void ShowFinderIcon(bool bIdle);

    // Commands (DlgCommands.cpp; extras/SystemCommands.cpp)
    BOOL OnCommand();
    BOOL OnHelp();
    BOOL OnSysCommand();

    // The Menu button's popup menu (extras/MainMenu.cpp): the chosen
    // command, already carried out; 0 when dismissed, -1 when no menu could
    // be built.
    int ShowMainMenu();

    // Finder drag (FinderDrag.cpp)
    BOOL OnFinderButtonDown();
    BOOL OnFinderMouseMove();
    BOOL OnFinderButtonUp();
    void CancelFinderTracking();

    // The inverted frame is used only while it is asked for and the root
    // parent is not searched.
    bool IsFrameUsed() const
    {
        return m_bDrawInvertedFrame && IsFrameOptionEnabled();
    }
    // The frame option's check box speaks for the frame only then.
    bool IsFrameOptionEnabled() const
    {
        return !m_bAutoFindRootParent;
    }

    // The inverted frame around the pointed window (picking/InvertedFrame.cpp).
    // DrawFrame is called only while no frame is shown; both return whether
    // they drew, and EraseFrame leaves m_hWndFramed null in every case.
    bool DrawFrame(HWND hWnd);
    bool EraseFrame();
    // Erases the frame when one is shown and the frame is in use.
    void EraseFrameIfShown();

    // The information panel (picking/InfoPanel.cpp), its one writer: shows the
    // pointed window, or its root with AutoFindRootParent, and nothing for
    // null, a vanished window, the dialog, its controls and the windows it
    // owns. Rewrites only the texts that changed.
    void UpdateWindowInfo(HWND hWndPointed);

    HWND m_hWndOwner;
    HINSTANCE m_hInstance;
    std::string m_strTemplate;
    std::string m_strWebPage;
    HWND m_hWnd;
    INT_PTR m_nResult;
    MSG *m_pCurrentMsg;
    HWND m_hWndPointed;
    HWND m_hWndRoot;
    HWND m_hWndFramed;
    HCURSOR m_hFinderCursor;
    bool m_bKeepDialogOnTop;
    bool m_bAutoFindRootParent;
    bool m_bDrawInvertedFrame;
    bool m_bSelectedOnTop;
    bool m_bTracking;
    HWND m_hWndFinderIcon;
    HWND m_hWndInfoTitle;
    HWND m_hWndInfoClass;
    HWND m_hWndInfoHandle;
    HWND m_hWndInfoId;
    HWND m_hWndInfoStyle;
    HWND m_hWndInfoExStyle;
    HWND m_hWndInfoParent;
    HWND m_hWndInfoRect;
    HWND m_hWndKeepSelectedOnTop;
    HWND m_hWndCopy;
    HWND m_hWndMenu;
    // The panel's labels, in the order of its fields: enabled or disabled at
    // every pointer move.
    HWND m_ahWndLabels[PANEL_FIELDS];
    RECT m_rcFinderIcon;

private:
    void CollectControlHandles();
    void RecordFinderIconRect();
    void PlaceDialog();
    void ApplyKeepDialogOnTop(const POINT *pptPlace);
    void ShowFrameOption();
    void ShowDragControls(bool bDragging);
    void OnMenuCommand();
    void SaveAllSettings();
    void AbandonFinderDrag();
    void OnOptionClicked(UINT nId);
    void OnKeepSelectedOnTopClicked();
    bool SetSelectedOnTop();

    ZLBR_DlgZelbrant(const ZLBR_DlgZelbrant &) = delete;
    ZLBR_DlgZelbrant &operator=(const ZLBR_DlgZelbrant &) = delete;
};

// Runs the main dialog modally; -1 when it could not be shown.
int RunMainDialog();
