// Ids of the settings dialog's frame and the id range of each of its pages: page t (tab index)
// has the template id 4100 + 100 * t and its control ids in 4101 + 100 * t .. 4199 + 100 * t.
#ifndef TOCKLE_CONFIG_IDS_H
#define TOCKLE_CONFIG_IDS_H

#define IDD_CONFIG 4000
#define IDC_CONFIG_TABS 4001
#define IDC_CONFIG_APPLY 4002
#define IDC_CONFIG_HELP 4003

#define IDD_CONFIG_PAGE_FIRST 4100
#define IDD_CONFIG_PAGE_STEP 100

#endif
