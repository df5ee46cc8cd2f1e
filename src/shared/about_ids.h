// Resource ids of the version dialog, shared by its template and its code.
#pragma once

#define IDD_ABOUT 2100
#define IDC_ABOUT_PRODUCT 2101
#define IDC_ABOUT_VERSION 2102
#define IDC_ABOUT_COPYRIGHT 2103
#define IDC_ABOUT_RIGHTS 2104
#define IDC_ABOUT_BEVEL 2105
// The contact group and everything in it: 2110-2119.
#define IDC_ABOUT_CONTACT 2110
#define IDC_ABOUT_CONTACT_PICTURE 2111
#define IDC_ABOUT_MAIL_CAPTION 2112
#define IDC_ABOUT_MAIL 2113
#define IDC_ABOUT_URL_CAPTION 2114
#define IDC_ABOUT_URL 2115
#define IDC_ABOUT_USERS_SITE 2116
// The notice group and everything in it: 2120-2129.
#define IDC_ABOUT_NOTICE 2120
#define IDC_ABOUT_NOTICE_PICTURE 2121
#define IDC_ABOUT_NOTICE_TEXT 2122
#define IDC_ABOUT_PUBLISHER_CAPTION 2123
#define IDC_ABOUT_PUBLISHER_URL 2124
