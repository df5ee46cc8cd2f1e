// Ids of the settings dialog's page "全般2": its template and its controls (4200..4299).
#ifndef TOCKLE_GENERAL2_PAGE_IDS_H
#define TOCKLE_GENERAL2_PAGE_IDS_H

#define IDD_PAGE_GENERAL2 4200

#endif
