// Loads the common controls and registers every class the programs use, the date classes included
// (Wine registers them anyway, Windows only when asked). Called before the first window that may
// hold a common control (a dialog, a control, a tooltip, an image list, a subclass), not at start:
// an idle clock shows none, and the library costs about 3 MB of resident memory. Once per program.
#pragma once

namespace ui {

void initCommonControls();

}  // namespace ui
