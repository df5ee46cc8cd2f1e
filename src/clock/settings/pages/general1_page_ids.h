// Ids of the settings dialog's page "全般1": its template and its controls (4100..4199).
#ifndef TOCKLE_GENERAL1_PAGE_IDS_H
#define TOCKLE_GENERAL1_PAGE_IDS_H

#define IDD_PAGE_GENERAL1 4100

#endif
