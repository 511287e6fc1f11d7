// Ids of the string table, shared by the .rc files and the code.
#pragma once

// Command ids double as the ids of their status-bar help texts.
#include "resource_ids.h"

#define IDS_PROGRAM_NAME          1
#define IDS_WARNING_TITLE         2
#define IDS_STATUSBAR_DESC        3
#define IDS_TOOLBAR_DESC          4
#define IDS_BAD_ARGUMENTS         5
#define IDS_FILE_UNREADABLE       6
#define IDS_OPEN_FILTER           7
#define IDS_CANNOT_OPEN_READ      8
#define IDS_READING_FILE          9
#define IDS_READ_ERROR           10
#define IDS_SAVE_BEFORE_CLOSE    11
#define IDS_QUESTION_TITLE       12
#define IDS_CANNOT_WRITE         13
#define IDS_WRITE_ERROR          14
#define IDS_SAVING_FILE          15
#define IDS_TOOLBAR_STATES_CLOSED 17
#define IDS_TOOLBAR_STATES_OPEN  18
#define IDS_INCOMPLETE_SOLUTION  19
#define IDS_ACROSS_HEADING       20
#define IDS_DOWN_HEADING         21
#define IDS_PASTE_NOT_ALPHA      22
#define IDS_PASTE_TRUNCATE       23
#define IDS_CLEAR_GRID_CONFIRM   24
#define IDS_PRINTING_DOC         25
#define IDS_NOT_A_PUZZLE         26
#define IDS_REGISTRY_ROOT        27
#define IDS_IMPORT_UNRECOGNIZED  30
#define IDS_IMPORT_DATA_ERRORS   31
#define IDS_SAVE_FILTER          32
#define IDS_TOO_FEW_TO_SCRAMBLE  33
#define IDS_KEY_FORMAT           34
#define IDS_SAVING_SCRAMBLED     35
#define IDS_KEY_INCORRECT        36
#define IDS_INFORMATION_TITLE    37
#define IDS_SCRAMBLED_WITH_KEY   38
#define IDS_UNSCRAMBLED          39
#define IDS_LATER_VERSION        40
#define IDS_REVEAL_ALL_CONFIRM   41
#define IDS_NO_INCORRECT         42
#define IDS_DELETE_CONFIRM       43
#define IDS_CORRUPT_SECTION      45
#define IDS_REBUS_INDICATOR      46
#define IDS_SYMBOL_INDICATOR     47
#define IDS_STATUSBAR_DESC_OLD 1003
#define IDS_TOOLBAR_DESC_OLD   1004
#define IDS_TOOLBAR_STATES_CLOSED_OLD 1017
#define IDS_TOOLBAR_STATES_OPEN_OLD   1018
#define IDS_SELECT_COMMAND    40001
#define IDS_PAGE_DISPLAY      40024
#define IDS_OVERWRITE_CONFIRM 40035
#define IDS_PAGE_SOLVING      40051
#define IDS_PAGE_COLORS       40053
#define IDS_GRID_FILLED       40054
#define IDS_READY             40055
#define IDS_PAGE_PRINTING     40056
#define IDS_PAGE_TOOLS        40057
#define IDS_NO_TOOL_PREFERENCES 40058
#define IDS_EXPORT_CLIPBOARD  40059
#define IDS_OPTIONS_TITLE     40060
#define IDS_PAGE_FONTS        40061
// Messages of the text puzzle importer.
#define IDS_TXT_NO_FILE_HEADER  1101
#define IDS_TXT_EARLY_END       1102
#define IDS_TXT_NO_TITLE        1103
#define IDS_TXT_NO_AUTHOR       1104
#define IDS_TXT_NO_COPYRIGHT    1105
#define IDS_TXT_NO_SIZE         1106
#define IDS_TXT_NO_GRID         1107
#define IDS_TXT_NO_ACROSS       1108
#define IDS_TXT_NO_DOWN         1109
#define IDS_TXT_BAD_SIZE        1110
#define IDS_TXT_BAD_GRID_LINE   1111
#define IDS_TXT_ACROSS_MISSING  1112
#define IDS_TXT_DOWN_MISSING    1113
#define IDS_TXT_EXTRA_LINES     1114
#define IDS_TXT_BAD_REBUS       1115
/* File-format messages beyond the original table */
#define IDS_PATH_TOO_LONG       1201
#define IDS_RESTORE_UNSAVED     1202
#define IDS_FILE_CHANGED_ON_DISK 1203
/* Texts of the title pane and the symbol picker */
#define IDS_NOTEPAD_HINT_TIP    1301
#define IDS_SYMBOLS_TITLE       1302
