// Ids of the settings dialog's page "システム": its template and its controls (4700..4799).
#ifndef TOCKLE_SYSTEM_PAGE_IDS_H
#define TOCKLE_SYSTEM_PAGE_IDS_H

#define IDD_PAGE_SYSTEM 4700
#define IDC_SYSTEM_INFO 4701
#define IDC_SYSTEM_TREE_LABEL 4702
#define IDC_SYSTEM_TREE 4703
#define IDC_SYSTEM_COMMANDS_LABEL 4704
#define IDC_SYSTEM_COMMANDS 4705
#define IDC_SYSTEM_ALLOC 4706
#define IDC_SYSTEM_DELETE 4707
#define IDC_SYSTEM_EDIT 4708
#define IDC_SYSTEM_SUB 4709
#define IDC_SYSTEM_SEP 4710
#define IDC_SYSTEM_DEFAULT 4711
#define IDC_SYSTEM_ICON 4750
// The page's input box (a dialog of its own, outside the pages' id range).
#define IDD_SYSTEM_INPUT 5700
#define IDC_SYSTEM_INPUT_PROMPT 5701
#define IDC_SYSTEM_INPUT_EDIT 5702

#endif
