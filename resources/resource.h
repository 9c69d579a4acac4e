// Resource and control ids, grouped by window. Numbers that the data files, the shell
// extension or the texts depend on are fixed; keep each window's ids in its own group.
#pragma once

// Icons and bitmaps
#define IDI_MAINFRAME 128
#define IDI_CATALOG_OPEN 4006
#define IDI_ITEM_NODE 4007
#define IDI_CATALOG_ITEM 4008
#define IDI_CATALOG_CLOSED 4009
#define IDB_FACE_3 146
#define IDB_FACE_1 147
#define IDB_FACE_2 148
#define IDB_BUTTON_4 149
#define IDB_BUTTON_1 150
#define IDB_BUTTON_2 151
#define IDB_BUTTON_3 152

// Strings
#define IDS_ABOUTBOX 101

// About dialog
#define IDD_ABOUTBOX 100
#define IDM_ABOUTBOX 16

// Main quick-launch window
#define IDD_LAUNCHER 102
#define IDC_SHORTNAME_EDIT 1025
#define IDC_SHORTNAME_DROP 1026
#define IDC_SHORTNAME_LIST 1027
#define IDC_NAME_EDIT 1032
#define IDC_NAME_DROP 1036
#define IDC_NAME_LIST 1310
#define IDC_CATALOG_TREE 1290
#define IDC_HOTKEY_STATIC 1061
#define IDC_DESCRIPTION_EDIT 1058
#define IDC_RUN_APPS 1329
#define IDC_CONFIG_BUTTON 1330
#define IDC_IMPORT_BUTTON 1298
#define IDC_EXPORT_BUTTON 1302
#define IDC_SUPPORT_BUTTON 1072
#define IDC_LATEST_BUTTON 1073
#define IDC_MIN_BUTTON 1022
#define IDC_EXIT_BUTTON 1019
#define IDC_HELP_BUTTON 1316
#define IDC_COMPACT_BUTTON 1021
#define IDC_LAUNCHER_HIDDEN_1 1012
#define IDC_LAUNCHER_HIDDEN_2 1013
#define IDC_LAUNCHER_HIDDEN_3 1020
#define IDC_LAUNCHER_HIDDEN_4 1175
#define IDC_LAUNCHER_HIDDEN_COMBO 1325
#define IDC_LAUNCHER_HIDDEN_5 1337

// Common frame
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDC_TITLE_STATIC 1071

// Skinned message box and progress window
#define IDD_PROGRESS 142
#define IDD_SKIN_MESSAGEBOX 144
#define IDC_PROGRESS_TEXT 1067
#define IDC_MESSAGE_TEXT 1070

// Add-item dialog
#define IDD_ADD_ITEM 138
#define IDC_ADDITEM_NAME 2301
#define IDC_ADDITEM_SHORTNAME 2302
#define IDC_ADDITEM_DESCRIPTION 2303
#define IDC_ADDITEM_MODIFIER 2304
#define IDC_ADDITEM_KEY 2305
#define IDC_ADDITEM_KEY_DROP 2306
#define IDC_ADDITEM_KEY_LIST 2307
#define IDC_ADDITEM_TREE 2308
#define IDC_ADDITEM_MIN 2309
#define IDC_ADDITEM_EXIT 2310
#define IDC_ADDITEM_HELP 2311
