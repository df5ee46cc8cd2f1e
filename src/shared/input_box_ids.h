// Resource ids of the one-line input box (read by the resource compiler too).
#pragma once

#define IDD_INPUT_BOX 2200
#define IDC_INPUT_PROMPT 2201
#define IDC_INPUT_EDIT 2202
