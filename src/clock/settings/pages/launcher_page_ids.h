// Ids of the settings dialog's page "ランチャ": its template and its controls (4800..4899).
#ifndef TOCKLE_LAUNCHER_PAGE_IDS_H
#define TOCKLE_LAUNCHER_PAGE_IDS_H

#define IDD_PAGE_LAUNCHER 4800
#define IDC_LAUNCH_LIST 4801

#endif
