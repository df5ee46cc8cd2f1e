// Resource ids of the memo's input box (read by the resource compiler too).
#pragma once

#define IDD_MEMO_INPUT 2200
#define IDC_INPUT_PROMPT 2201
#define IDC_INPUT_EDIT 2202
