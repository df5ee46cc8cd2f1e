// The system DLLs the programs load only when a rare action needs them (see LazyLibrary).
#pragma once

#include "base/lazy_library.h"

namespace base {

LazyLibrary& ole32();     // COM: shell link objects, the folder chooser's memory
LazyLibrary& comdlg32();  // the file, font and colour choosers
LazyLibrary& winmm();     // alarm sounds
LazyLibrary& ws2_32();    // time synchronisation
LazyLibrary& version();   // version information (about box, update-checker registration)
LazyLibrary& msimg32();   // transparent drawing of launcher icons
LazyLibrary& riched20();  // the memo's editor (loaded when its first editor is made)
LazyLibrary& comctl32();  // common controls, image lists, subclassing (about 3 MB resident once loaded)

}  // namespace base
