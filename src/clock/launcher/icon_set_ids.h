/* Template and control ids of the icon picker; included by res/tockle.rc and the code. */
#ifndef TOCKLE_ICON_SET_IDS_H
#define TOCKLE_ICON_SET_IDS_H

#define IDD_ICON_SET 5100
#define IDC_ICON_LOCATION_LABEL 5101
#define IDC_ICON_LOCATION 5102
#define IDC_ICON_SELECT 5103
#define IDC_ICON_LIST_LABEL 5104
#define IDC_ICON_LIST 5105

#endif
