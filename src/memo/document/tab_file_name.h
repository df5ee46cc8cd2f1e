// Names of new Type III tab files: the tab's name made safe for a file name, numbered until it
// collides with nothing in the index and nothing on disk.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/text_lines.h"

namespace memo {

// True when file ends in ext (ignoring case) after a name of its own.
bool hasExt(std::string_view file, std::string_view ext);
// A tab file holds plain text when its extension says so, whatever its first bytes; else when
// its bytes are not rich text.
bool isPlainTabFile(std::string_view file, std::string_view content);
// True when file has a tab file's extension, ".txt" or ".rtf".
bool hasTabFileExt(std::string_view file);

// The base name (no extension) for a new tab file of tabName: prefix + tabName without the
// characters a file name cannot hold, then the first of base, base2, base3, ... that no index
// entry uses (ignoring case, either extension) and no file in folder has with ".txt" or ".rtf".
// Device names are skipped. Empty when no usable name exists. A file on disk for which mayReplace
// answers true does not count as taken.
using MayReplace = std::function<bool(const std::string& file)>;
std::string makeTabFileName(const base::Lines& index, std::string_view tabName, std::string_view prefix,
                            std::string_view folder, const MayReplace& mayReplace = {});
// The numbering step alone, for a base that is already a valid file name. Empty when no number
// gives a usable name.
std::string unusedTabBase(const base::Lines& index, std::string_view base, std::string_view folder,
                          const MayReplace& mayReplace = {});

}  // namespace memo
