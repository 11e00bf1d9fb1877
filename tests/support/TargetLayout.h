// The window tree that target_windows.exe shows, shared by that program and
// the tests that point at its windows: classes, captions, ids, places, colours.
#pragma once

// Top-level window, placed by its outer rectangle on the screen; not topmost.
#define TARGET_MAIN_CLASS "ZelbrantTarget"
#define TARGET_MAIN_CAPTION "Fenêtre cible"
#define TARGET_MAIN_X 600
#define TARGET_MAIN_Y 150
#define TARGET_MAIN_CX 400
#define TARGET_MAIN_CY 300

// Popup owned by the top-level window, below it on the screen.
#define TARGET_POPUP_CLASS "ZelbrantTargetPopup"
#define TARGET_POPUP_CAPTION "Fenêtre détenue"
#define TARGET_POPUP_X 650
#define TARGET_POPUP_Y 520
#define TARGET_POPUP_CX 300
#define TARGET_POPUP_CY 150

// Child panel of the top-level window; every control below is its child.
#define TARGET_PANEL_CLASS "ZelbrantTargetPanel"
#define IDC_TARGET_PANEL 1000

#define IDC_TARGET_BUTTON 1001   // push button "Bouton"
#define IDC_TARGET_DISABLED 1002 // disabled push button "Inactif"
#define IDC_TARGET_LABEL 1003    // static text "Étiquette"
#define IDC_TARGET_GROUP 1004    // group box "Groupe", created before the edit inside it
#define IDC_TARGET_EDIT 1005     // edit "Texte", inside the group box
#define IDC_TARGET_CHECK 1006    // check box "Case", outside the group box

// Solid background colours as 0x00RRGGBB, the format of ScreenCapture's
// pixels, so that tests can tell the windows apart on the screen.
#define TARGET_MAIN_COLOR 0x00336699
#define TARGET_PANEL_COLOR 0x00CC9966
#define TARGET_POPUP_COLOR 0x0066CC33

// The program closes itself after this time, so that it is never left running.
#define TARGET_LIFETIME_MS 120000
