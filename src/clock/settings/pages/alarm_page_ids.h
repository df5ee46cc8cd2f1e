// Ids of the settings dialog's page "アラーム": its template and its controls (4900..4999).
#ifndef TOCKLE_ALARM_PAGE_IDS_H
#define TOCKLE_ALARM_PAGE_IDS_H

#define IDD_PAGE_ALARM 4900
#define IDC_ALARM_LIST 4901

#endif
