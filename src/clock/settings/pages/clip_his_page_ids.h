// Ids of the settings dialog's page "クリップ履歴": its template and its controls (4500..4599).
#ifndef TOCKLE_CLIP_HIS_PAGE_IDS_H
#define TOCKLE_CLIP_HIS_PAGE_IDS_H

#define IDD_PAGE_CLIPHIS 4500

#endif
