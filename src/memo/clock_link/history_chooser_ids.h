// Resource ids of the memo's clipboard history chooser (read by the resource compiler too).
#pragma once

#define IDD_MEMO_CLIP 2300
#define IDC_CLIP_LABEL 2301
#define IDC_CLIP_LIST 2302
#define IDC_CLIP_SHOW_HINT 2303
#define IDC_CLIP_HELP 2304
