// Ids of the settings dialog's page "ホットキー": its template and its controls (4600..4699).
#ifndef TOCKLE_HOT_KEY_PAGE_IDS_H
#define TOCKLE_HOT_KEY_PAGE_IDS_H

#define IDD_PAGE_HOTKEY 4600
#define IDC_HOTKEY_LABEL 4601
#define IDC_HOTKEY_LIST 4602
#define IDC_HOTKEY_EDIT 4603
#define IDC_HOTKEY_ASSIGN 4604
#define IDC_HOTKEY_USE 4650

#endif
