// Identifiers of the program's resources and of the controls of its dialogs.
// The numbers are fixed: the program and its saved shortcut refer to them.
#pragma once

// Dialog templates
#define IDD_ABOUT 103
#define IDD_MAIN 196

// Main dialog controls
#define IDC_FINDER_ICON 101
#define IDC_KEEP_DIALOG_ON_TOP 102
#define IDC_AUTO_FIND_ROOT_PARENT 103
#define IDC_DRAW_INVERTED_FRAME 104
#define IDC_INFO_TITLE 201
#define IDC_INFO_CLASS 202
#define IDC_INFO_HANDLE 203
#define IDC_INFO_ID 204
#define IDC_INFO_STYLE 205
#define IDC_INFO_EXSTYLE 206
#define IDC_INFO_PARENT 207
#define IDC_INFO_RECT 208
#define IDC_KEEP_SELECTED_ON_TOP 209
#define IDC_LABEL_TITLE 301
#define IDC_LABEL_CLASS 302
#define IDC_LABEL_HANDLE 303
#define IDC_LABEL_ID 304
#define IDC_LABEL_STYLE 305
#define IDC_LABEL_EXSTYLE 306
#define IDC_LABEL_PARENT 307
#define IDC_LABEL_RECT 308
#define IDC_COPY_TO_CLIPBOARD 401

// About box controls
#define IDC_ABOUT_LINK_COLLABORATOR 213
#define IDC_ABOUT_VERSION 1026
#define IDC_ABOUT_LINK_PRODUCT 1061

// Commands of the Menu button's popup menu
#define ID_MENU_CLOSE 1
#define ID_MENU_SAVE_SETTINGS 2
#define ID_MENU_CREATE_SHORTCUT 3
#define ID_MENU_ABOUT 4
#define ID_MENU_QUIT 5

// Internal command that ends the main dialog
#define IDC_QUIT 32767

// Icon groups
#define IDI_MAIN 101
#define IDI_MAIN_SHELL 102 // same images as IDI_MAIN; loaded by nothing
#define IDI_ABOUT 135
#define IDI_MAKER_LOGO 140
#define IDI_CLOSE 141
#define IDI_MENU 144
#define IDI_SAVE 146
#define IDI_SHORTCUT 176
#define IDI_QUIT 177
#define IDI_FINDER_EMPTY 182
#define IDI_FINDER_FULL 183
#define IDI_COPY 192

// Cursor group
#define IDC_FINDER_CURSOR 191

// Feedback sounds (resource type "WAVE")
#define IDW_SHORTCUT_CREATED 130
#define IDW_OPTION_ON 144
#define IDW_FAILURE 147
#define IDW_SETTINGS_SAVED 159
#define IDW_OPTION_OFF 167
#define IDW_COPIED 193
