// Ids of the settings dialog's page "ホットキー": its template and its controls (4600..4699).
#ifndef TOCKLE_HOT_KEY_PAGE_IDS_H
#define TOCKLE_HOT_KEY_PAGE_IDS_H

#define IDD_PAGE_HOTKEY 4600

#endif
