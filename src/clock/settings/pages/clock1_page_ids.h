// Ids of the settings dialog's page "時計1": its template and its controls (4300..4399).
#ifndef TOCKLE_CLOCK1_PAGE_IDS_H
#define TOCKLE_CLOCK1_PAGE_IDS_H

#define IDD_PAGE_CLOCK1 4300

#endif
