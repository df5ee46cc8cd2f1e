// Ids of the settings dialog's page "全般1": its template and its controls (4100..4199).
#ifndef TOCKLE_GENERAL1_PAGE_IDS_H
#define TOCKLE_GENERAL1_PAGE_IDS_H

#define IDD_PAGE_GENERAL1 4100
#define IDC_STAY_ON_TOP 4101
#define IDC_STAY_IN_TRAY 4102
#define IDC_QUERY_EXIT 4103
#define IDC_EXIT_WIN 4104
#define IDC_EXIT_WIN_UPD 4105
#define IDC_L_BUTTON 4106
#define IDC_M_BUTTON 4107
#define IDC_R_BUTTON 4108
#define IDC_FIX_CLOCK 4109
#define IDC_CREATE_STARTUP 4110
#define IDC_ERASE_STARTUP 4111

#endif
