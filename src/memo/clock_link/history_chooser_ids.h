// Resource ids of the memo's clipboard history chooser (read by the resource compiler too).
#pragma once

#define IDD_MEMO_CLIP 2400
#define IDC_CLIP_LABEL 2401
#define IDC_CLIP_LIST 2402
#define IDC_CLIP_SHOW_HINT 2403
#define IDC_CLIP_HELP 2404
