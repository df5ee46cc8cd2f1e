// Resource ids of the new-document wizard's dialog template (read by the resource compiler too).
#pragma once

#define IDD_NEW_WIZARD 2000
#define IDC_WIZ_HEADING 2001
#define IDC_WIZ_HEADING_LINE 2002
#define IDC_WIZ_INTRO 2003
#define IDC_WIZ_FILENAME_LABEL 2004
#define IDC_WIZ_FILENAME 2005
#define IDC_WIZ_BROWSE 2006
#define IDC_WIZ_READY 2007
#define IDC_WIZ_FORMAT_INTRO 2010
#define IDC_WIZ_INTEGRATED 2011
#define IDC_WIZ_INTEGRATED_TEXT 2012
#define IDC_WIZ_SEPARATED 2013
#define IDC_WIZ_SEPARATED_TEXT 2014
#define IDC_WIZ_BOTTOM_LINE 2020
#define IDC_WIZ_HELP 2021
#define IDC_WIZ_PREVIOUS 2022
#define IDC_WIZ_NEXT 2023
