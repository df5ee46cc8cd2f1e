// A one-file document that does not read whole: a NUL byte, no begin or end line (cut short), or
// no document at all. What can still be read of it is kept as the tabs of a new document, so that
// the damaged file itself never has to be written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memo/document/doc_format.h"

namespace memo {

struct DamagedDocument {
  std::string reason;            // for the user
  std::vector<TabContent> tabs;  // what could be read, never none
};

// Nothing when the bytes read whole as a one-file document, or are a split document's index.
std::optional<DamagedDocument> inspectDocument(std::string_view bytes);
// A sound one-file document holding the tabs.
std::string salvagedDocument(const DamagedDocument& damaged);

}  // namespace memo
