// Ids of the settings dialog's page "システム": its template and its controls (4700..4799).
#ifndef TOCKLE_SYSTEM_PAGE_IDS_H
#define TOCKLE_SYSTEM_PAGE_IDS_H

#define IDD_PAGE_SYSTEM 4700

#endif
