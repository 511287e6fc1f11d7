// Resource and control identifiers of the tip-of-the-day library.
#pragma once

#define IDB_TIP_PICTURE 105
#define IDC_TIP_PICTURE 1006
#define IDC_TIP_TEXT 1005
#define IDC_TIP_NO_MORE 1002
#define IDC_TIP_PREVIOUS 1004
#define IDC_TIP_NEXT 1003
#define IDC_TIP_CLOSE 8
#define IDC_TIP_HEADING 1099  // only so the heading can be coloured
