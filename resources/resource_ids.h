/* Resource ids of gridwell.exe, shared by the .rc files and the code.
   Only #defines here (the resource compiler reads this file too); the C++
   names of named resources are at the end, hidden from the resource compiler. */
#ifndef GRIDWELL_RESOURCE_IDS_H
#define GRIDWELL_RESOURCE_IDS_H

/* ---- Command identifiers (menus, accelerators, toolbar, pop-ups) ----
   The status-bar help text of a command is the string with the same id. */
#define CMD_FIRST               40001
#define CMD_SELECT_COMMAND      40001 /* help text of a highlighted pop-up title */
#define CMD_OPEN                40002
#define CMD_EXIT                40003
#define CMD_ABOUT               40004
#define CMD_SAVE                40005
#define CMD_PRINT               40006 /* customized print, with the items dialog */
#define CMD_USE_PEN             40007
#define CMD_USE_PENCIL          40008
#define CMD_ZOOM_IN             40009
#define CMD_ZOOM_OUT            40010
#define CMD_CLOSE               40011
#define CMD_SAVE_AS             40012
#define CMD_UNDO                40013
#define CMD_CUT                 40014
#define CMD_COPY                40015
#define CMD_PASTE               40016
#define CMD_ERASE               40017
#define CMD_CLEAR_GRID          40018
#define CMD_CHECK_WORD          40019
#define CMD_CHECK_ALL           40020
#define CMD_REVEAL_WORD         40021
#define CMD_REVEAL_INCORRECT    40022
#define CMD_REVEAL_ALL          40023
#define CMD_DISPLAY             40024 /* no action; its text names the Display page */
#define CMD_DELETE_PUZZLE       40025
#define CMD_HELP_CONTENTS       40032
#define CMD_HELP_SEARCH         40033
#define CMD_HELP_USING          40034
#define CMD_NOTEPAD             40036
#define CMD_LOCK_SOLUTION       40037
#define CMD_UNLOCK_SOLUTION     40038
#define CMD_CHECK_LETTER        40044
#define CMD_REVEAL_LETTER       40045
#define CMD_QUICK_REFERENCE     40046
#define CMD_SWITCH_DIRECTION    40048
#define CMD_SELECTIVE_ERASE     40049
#define CMD_FULL_PUZZLE         40050
#define CMD_OPTIONS             40060
#define CMD_PRINT_PUZZLE        40062 /* default printer, no dialog */
#define CMD_PRINT_SOLUTION      40063 /* default printer, no dialog */
#define CMD_INSERT_MULTIPLE     40064
#define CMD_INSERT_SYMBOL       40065
#define CMD_LAST                40065
/* Commands below this one are ignored by the dispatcher. */
#define CMD_FIRST_DISPATCHED    40002
/* Keyboard only, handled by the frame before the dispatch (no menu item) */
#define CMD_NEXT_PANE           40070
#define CMD_PREVIOUS_PANE       40071

/* ---- Menu positions used for enabling ---- */
#define MENUPOS_FILE            0
#define MENUPOS_INIT_HELP       1 /* INITMENU */
#define MENUPOS_EDIT            1 /* SOLVEMENU */
#define MENUPOS_VIEW            2
#define MENUPOS_SOLUTION        3
#define MENUPOS_SOLVE_HELP      4
#define MENUPOS_CHECK           0 /* inside Solution */
#define MENUPOS_REVEAL          1 /* inside Solution */

/* ---- Numbered menus, accelerators, icons, cursors, bitmaps ---- */
#define IDR_ACCELERATORS        104
#define IDM_ERASE_DROPDOWN      154
#define IDM_PRINT_DROPDOWN      155

#define IDI_GRIDWELL            1
#define IDI_REBUS_INDICATOR     46
#define IDI_SYMBOL_INDICATOR    47

#define IDCUR_SPLIT_STACKED     119 /* bar between stacked panes */
#define IDCUR_SPLIT_SIDE        120 /* bar between side-by-side panes */
#define IDCUR_HAND              121 /* pointer over the grid */

#define IDB_TOOLBAR             153 /* strip of 24x24 pictures */
#define IDB_NOTEPAD_HINT        158 /* 16x16 */
#define TOOLBAR_IMAGE_SIZE      24
#define TOOLBAR_IMAGE_COUNT     15

/* ---- Child windows of the main window ---- */
#define IDW_TOOLBAR             100
#define IDW_STATUSBAR           101

/* ---- Common dialog controls ---- */
#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
#define IDC_HELP_BUTTON         3

/* KEYDIALOG */
#define IDC_KEY_EDIT            1001

/* DIAGDIALOG */
#define IDC_DIAG_SAVE           8
#define IDC_DIAG_SHOW_HINT      9
#define IDC_DIAG_PRINT          1064
#define IDC_DIAG_CONVERT        1065
#define IDC_DIAG_LOCK           1069
#define IDC_DIAG_CLOSE_PUZZLE   2

/* CONGRAGULATIONS, AboutDialog */
#define IDC_CONGRATS_PICTURE    1010
#define IDC_ABOUT_ICON          1011
#define IDC_ABOUT_NAME          1012

/* NOTEPAD */
#define IDC_NOTEPAD_EDIT        1031
#define IDC_NOTEPAD_READONLY    1033
#define NOTEPAD_TEXT_LIMIT      1023

/* PrintItemsDialog */
#define IDC_PRINT_FRESH         1018
#define IDC_PRINT_SOLUTION_GRID 1019
#define IDC_PRINT_AS_FILLED     1020
#define IDC_PRINT_CUSTOMIZE     1021
#define IDC_PRINT_GRID          1022
#define IDC_PRINT_LETTERS       1023
#define IDC_PRINT_SOLUTION      1024
#define IDC_PRINT_NUMBERS       1025
#define IDC_PRINT_CLUES         1026
#define IDC_PRINT_TITLE         1027
#define IDC_PRINT_AUTHOR        1028
#define IDC_PRINT_COPYRIGHT     1029
#define IDC_PRINT_TWO_PAGES     1059

/* ABORTDIALOG */
#define IDC_ABORT_DOCUMENT      1017

/* LAYOUTPAGE */
#define IDC_SHOW_TOOLBAR        101
#define IDC_LAYOUT_LIST         102
#define IDC_SHOW_STATUSBAR      103
#define IDC_HAND_CURSOR         121
#define IDC_PROMPT_ABOVE        1035
#define IDC_PROMPT_BELOW        1036

/* Layout codes (also the list order of the layout pictures) */
#define LAYOUT_ABDB             1002
#define LAYOUT_ALDL             1003
#define LAYOUT_ADSH             1004
#define LAYOUT_ATDT             1011
#define LAYOUT_ARDR             1012
#define LAYOUT_ADSV             1013
#define LAYOUT_ATDB             1014
#define LAYOUT_ALDR             1015
#define LAYOUT_ASDS             1016
#define PROMPT_ABOVE            1035
#define PROMPT_BELOW            1036

/* SOLVEPAGE */
#define IDC_SKIP_BLANK          114
#define IDC_SKIP_ALWAYS         115
#define IDC_SKIP_AFTER_LETTER   116
#define IDC_AUTO_MOVE           117
#define IDC_RBUTTON_SWITCH      1040
#define IDC_RBUTTON_POPUP       1041
#define IDC_AUTOCHECK           1042
#define IDC_AUTONAV_SWITCH      1045
#define IDC_AUTONAV_WORD        1046
#define IDC_RIGHT_MOUSE_MOVE    1053
#define IDC_ARROW_PAUSE         1058
#define IDC_REBUS_INDICATOR     1087
#define IDC_SYMBOL_INDICATOR    1088

/* FONTPAGE */
#define IDC_FONT_DISPLAY        1073
#define IDC_FONT_PRINT          1075
#define IDC_FONT_GRID           1076
#define IDC_FONT_CLUES          1077
#define IDC_FONT_TITLE          1078
#define IDC_FONT_FACES          1081

/* COLORPAGE */
#define IDC_COLOR_CURRENT_LETTER 1043
#define IDC_COLOR_CURRENT_WORD  1044
#define IDC_COLOR_CURRENT_CLUE  1045
#define IDC_COLOR_CLUE_TEXT     1046
#define IDC_COLOR_CROSS_TEXT    1047
#define IDC_COLOR_PROMPT_TEXT   1048
#define IDC_COLOR_PENCIL        1049
#define IDC_COLOR_PEN           1050

/* PRINTPAGE */
#define IDC_PRINT_POSITION_LIST 1056
#define IDC_PRINT_BRUSH_LIST    1057

/* TOOLPAGE */
#define IDC_TOOL_LIST           1062
#define IDC_TOOL_OPTIONS        1063
#define IDC_TOOL_ENABLE         1064
#define IDC_TOOL_NONE           1083

/* ---- Names of named resources, for the code ---- */
#ifndef RC_INVOKED
#define GW_MENU_INIT            "InitMenu"
#define GW_MENU_SOLVE           "SolveMenu"
#define GW_MENU_POPUP_GRID      "POPUPGRID"
#define GW_MENU_POPUP_EDIT      "POPUPEDIT"
#define GW_DIALOG_KEY           "KeyDialog"
#define GW_DIALOG_DIAGRAMLESS   "DiagDialog"
#define GW_DIALOG_CONGRATS      "CONGRAGULATIONS"
#define GW_DIALOG_ABOUT         "AboutDialog"
#define GW_DIALOG_NOTEPAD       "NOTEPAD"
#define GW_DIALOG_PRINT_ITEMS   "PrintItemsDialog"
#define GW_DIALOG_PRINT_ABORT   "ABORTDIALOG"
#define GW_PAGE_LAYOUT          "LAYOUTPAGE"
#define GW_PAGE_SOLVE           "SOLVEPAGE"
#define GW_PAGE_FONT            "FONTPAGE"
#define GW_PAGE_COLOR           "COLORPAGE"
#define GW_PAGE_PRINT           "PRINTPAGE"
#define GW_PAGE_TOOL            "TOOLPAGE"
#define GW_BITMAP_HAPPYFACE     "HAPPYFACE"
#endif

#endif
