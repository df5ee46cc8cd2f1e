// COM on the calling thread from the first call on, balanced when the program ends. Only the
// program's GUI thread calls it, before what needs COM: shell link objects, the folder chooser, a
// shell start. An idle clock so holds no COM libraries.
#pragma once

namespace base {

// False when COM could not be initialised on this thread.
bool ensureCom();

}  // namespace base
