// Ids of the settings dialog's page "時計2": its template and its controls (4400..4499).
#ifndef TOCKLE_CLOCK2_PAGE_IDS_H
#define TOCKLE_CLOCK2_PAGE_IDS_H

#define IDD_PAGE_CLOCK2 4400

#endif
