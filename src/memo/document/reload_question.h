// Whether reading the document again asks first, and what: the shown tab's edit not yet saved
// would be thrown away, so that is always asked about and said, whether the user asked for the
// reload or another program changed the file.
#pragma once

#include <optional>
#include <string>

namespace memo {

// The question's text, or nothing when the reload goes ahead unasked. changedOutside: another
// program changed the document (reloadOption 1 asks, 2 reloads); else the user asked for it.
std::optional<std::string> reloadQuestion(bool changedOutside, int reloadOption, bool unsaved);

}  // namespace memo
