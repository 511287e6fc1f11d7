// Resource and control identifiers of the timer library, shared by timer.rc and the code.
#pragma once

// Timer window buttons
#define IDC_TIMER_SWITCH 101
#define IDC_TIMER_SCORE 102
#define IDC_TIMER_BOARD 103

// Options dialog
#define IDC_OPT_TIMING_OFF 1015
#define IDC_OPT_START_OFF 1018
#define IDC_OPT_COMPLETED_ONLY 1001
#define IDC_HELP_BUTTON 999

// Score board dialog
#define IDC_SB_FOLDER 1004
#define IDC_SB_FILENAME 1005
#define IDC_SB_TIME 1006
#define IDC_SB_SCORE 102
#define IDC_SB_COMPLETION 1008
#define IDC_SB_ADD 1001
#define IDC_SB_BY_LAST 1016
#define IDC_SB_BY_SCORE 1010
#define IDC_SB_BY_TIME 1013
#define IDC_SB_LIST 1000
#define IDC_SB_DELETE 1003
#define IDC_SB_CLEAR 1009
#define IDC_SB_OPTIONS 1014
