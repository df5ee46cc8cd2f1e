/* Template and control ids of the clipboard history window; included by res/tockle.rc and the code. */
#ifndef TOCKLE_CLIP_FORM_IDS_H
#define TOCKLE_CLIP_FORM_IDS_H

#define IDD_CLIP 5200
#define IDC_CLIP_LABEL 5201
#define IDC_CLIP_LIST 5202
#define IDC_CLIP_APPLY 5203
#define IDC_CLIP_HELP 5204
#define IDC_CLIP_DELETE 5205
#define IDC_CLIP_UP 5206
#define IDC_CLIP_DOWN 5207
#define IDC_CLIP_COPY 5208
#define IDC_CLIP_CLEAR 5209
#define IDC_CLIP_SHOWASHINT 5210

#endif
