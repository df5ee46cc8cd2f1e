/* Dialog templates and control ids of the alarm windows; included by res/tockle.rc and the code. */
#ifndef TOCKLE_ALARM_IDS_H
#define TOCKLE_ALARM_IDS_H

#define IDD_ALARM 300
#define IDC_ALARM_LABEL1 301
#define IDC_ALARM_LABEL4 302
#define IDC_ALARM_SETTIME 303
#define IDC_ALARM_LABEL5 304
#define IDC_ALARM_NOWTIME 305
#define IDC_ALARM_LABEL2 306
#define IDC_ALARM_MESSAGE 307
#define IDC_ALARM_LABEL3 308
#define IDC_ALARM_BEVEL1 309
#define IDC_ALARM_NOTRING 310
#define IDC_ALARM_ERASE 311
#define IDC_ALARM_STARTAPPS 312
#define IDC_ALARM_RECALL 313

#endif
