// The two memo document formats as line lists: Type II keeps every tab as one line of one file,
// Type III keeps an index of name=file lines with one file per tab beside it. Pure functions; the
// document manager does the file work.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"

namespace memo {

inline constexpr char kTypeIIMagic[] = "<!--Tavelo Document Type II-->";
inline constexpr char kTypeIIComment[] = "<!--Tavelo 3 for Windows 9x/NT-->";
inline constexpr char kBeginDocument[] = "<!--Begin Document-->";
inline constexpr char kEndDocument[] = "<!--End Document-->";
inline constexpr char kTypeIIIMagic[] = "[Tavelo Document Type III]";
inline constexpr char kTypeIIIComment[] = ";Tavelo 3 for Windows 9x/NT";
inline constexpr char kTabSeparator[] = "/*!/";
inline constexpr char kLineBreakMark[] = "\\CrLf%";

// DocumentType values.
inline constexpr unsigned char kTypeII = 1;
inline constexpr unsigned char kTypeIII = 0;

enum class DocFormat { Unknown, TypeII, TypeIII };
// Type II when any line is its magic line (ignoring case), else Type III likewise.
DocFormat recognise(const base::Lines& lines);
inline unsigned char documentTypeOf(DocFormat f) { return f == DocFormat::TypeII ? kTypeII : kTypeIII; }

// Rich text when the content begins exactly with "{\rtf1"; the tab file's extension follows.
bool isRtfText(std::string_view content);
const char* tabFileExt(bool rich);

// What a Type II tab line holds for a tab's content so that it reads back exactly. The format has
// no mark for a tab's kind (rich text is told by its first bytes) and takes "\CrLf%" for a line
// break: a plain text that begins like rich text or holds the mark goes in as rich text holding
// its characters; a rich text's escaped backslashes are written so that none meets a "CrLf%".
std::string typeIIContent(std::string_view content, bool plain);

// A Type II tab line: name, separator, the content's lines with each CR LF written as "\CrLf%".
bool decodeTabLine(std::string_view line, std::string& name, base::Lines* lines);
std::string encodeTabLine(std::string_view name, const base::Lines* lines);
// The same for a tab's content as the editor streams it (read as lines).
std::string encodeTabContent(std::string_view name, std::string_view content);
// The content a Type II tab line reads back as (its lines, each followed by CR LF).
std::string tabLineContent(std::string_view line);

// The tab lines of a Type II document lie strictly between the first Begin line (ignoring case)
// and the first line after it that is exactly the End line. Without both there is no body.
struct TypeIIBody {
  size_t begin = 0;  // index of the Begin line
  size_t end = 0;    // index of the End line
};
std::optional<TypeIIBody> findTypeIIBody(const base::Lines& lines);
// Index of the first tab line whose name is name (sameTabName), inside the body.
std::optional<size_t> findTypeIITab(const base::Lines& lines, const TypeIIBody& body, std::string_view name);

struct TabContent {
  std::string name;
  std::string content;
};
// Every tab of a Type II document with the content it reads back as; nothing without a body.
std::optional<std::vector<TabContent>> typeIITabs(const base::Lines& lines);

// Type III index entries start at the third line; the name is the text before the first "=".
inline constexpr size_t kFirstEntry = 2;
std::string entryName(std::string_view line);
std::string entryFile(std::string_view line);
// The first entry whose name equals name ignoring case.
std::optional<size_t> findTypeIIIEntry(const base::Lines& lines, std::string_view name);

// The one rule for tab names: nothing that would end the name early in the document's format
// ("=" in Type III, "/*!/" in Type II), no line break or NUL. An empty name fits (a damaged entry
// gives one, and that tab is kept), but no new tab or new name may be empty.
bool fitsTabName(std::string_view name, DocFormat format);
bool isValidTabName(std::string_view name, DocFormat format);
// An index entry may only name a plain file beside the index: no drive, no folder, no "..", no
// wildcard or device name.
bool isBareFileName(std::string_view name);
// CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension.
bool isDeviceName(std::string_view name);

// The new documents' header lines.
base::Lines typeIIHeader();
base::Lines typeIIIHeader();

}  // namespace memo
