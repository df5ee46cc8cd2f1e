#include "memo/link/link_conversion.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "base/text.h"
#include "memo/editor/rtf_text.h"

namespace memo {

namespace {

constexpr char kHeader[] = "{\\rtf1\\ansi\\ansicpg932";
constexpr char kRunEnd[] = "\\plain\\cf0 ";
constexpr char kParagraph[] = "\r\n\\par ";

bool isTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// The bytes that end a link besides a blank and a line break.
bool isDelimiter(unsigned char b) {
  switch (b) {
    case 0x21:
    case 0x22:
    case 0x27:
    case 0x28:
    case 0x29:
    case 0x2A:
    case 0x3B:
    case 0x3C:
    case 0x3E:
      return true;
    default:
      return false;
  }
}

}  // namespace

struct LinkConverter::State {
  State(TLinkString& registry, const TextLook& look) : reg_(registry) {
    for (const TKzLinkItem& item : reg_.Items)
      if (!item.Prefix.empty()) starts_[static_cast<unsigned char>(item.Prefix[0])] = true;
    std::string colors = reg_.ColorTable();
    header_ = kHeader;
    runEnd_ = kRunEnd;
    if (!look.face.empty()) {
      // The text's colour follows the registered ones; face and size open the text.
      char entry[64];
      std::snprintf(entry, sizeof entry, "\\red%u\\green%u\\blue%u;", look.color % 256, (look.color / 256) % 256,
                    (look.color / 65536) % 256);
      colors.insert(colors.size() - 1, entry);
      header_ += "\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 " + rtfFontName(look.face) + ";}}";
      std::string font = "\\f0\\fs" + std::to_string(look.sizePt * 2);
      std::string color = "\\cf" + std::to_string(reg_.Colors.size() + 1);
      open_ = font + color + " ";
      runEnd_ = "\\plain" + (look.sizeAfterLinks ? font : std::string()) + color + " ";
    }
    header_ += colors + "\r\n";
    reg_.ClearMarks();
  }

  std::string convert(std::string_view text, bool last) {
    out_ = header_ + open_;
    out_.reserve(text.size() + text.size() / 4 + 64);
    bool afterLead = false;
    for (size_t i = 0; i < text.size() && !ended_; ++i) {
      auto c = static_cast<unsigned char>(text[i]);
      if (c == 0) {
        ended_ = true;
        break;
      }
      bool trail = afterLead && isTrailByte(c);
      afterLead = !trail && base::isLeadByte(c);
      ++pos_;
      if (c == '\r') {
        if (i + 1 < text.size() && text[i + 1] == '\n') {
          --pos_;  // the LF that follows counts the break
          continue;
        }
        c = '\n';  // a lone CR is a line break of its own
      }
      if (inLink_)
        linkByte(c);
      else
        textByte(c, trail);
    }
    if (inLink_) finish(pos_);
    escape(reg_.TakePending());
    out_ += last ? "\r\n\\par}" : "}";
    return std::move(out_);
  }

 private:
  void linkByte(unsigned char c) {
    if (c == '\\' || c == '{' || c == '}') {
      rest_ += static_cast<char>(c);
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (c == '\n') {
      finish(pos_ - 1);
      out_ += kParagraph;
      ++pos_;
    } else if (c == ' ' || isDelimiter(c)) {
      finish(pos_ - 1);
      out_ += static_cast<char>(c);
    } else {
      rest_ += static_cast<char>(c);
      out_ += static_cast<char>(c);
    }
  }

  void textByte(unsigned char c, bool trail) {
    // A trail byte is half of a character, never the start of a link.
    int r = (trail || !starts_[c]) && reg_.Pending.empty() ? -2 : reg_.Feed(static_cast<char>(c));
    if (r == 0) {
      if (pendingStart_ < 0) pendingStart_ = pos_;
    } else if (r > 0) {
      if (pendingStart_ < 0) pendingStart_ = pos_;  // a one-byte prefix
      reg_.TakeItem(work_);
      if (!work_.LinkText.empty()) {
        out_ += work_.RtfCode;
        out_ += ' ';
        escape(work_.LinkText);
      }
      if (work_.Kind == 1)
        finish(pos_);
      else
        inLink_ = true;
    } else if (r == -1) {
      escape(reg_.TakePending());
      pendingStart_ = -1;
    } else {
      escapeByte(static_cast<char>(c));
      pendingStart_ = -1;
    }
  }

  void finish(int32_t end) {
    work_.LinkText = base::trim(work_.LinkText + rest_);
    reg_.AddMark({work_.LinkText, pendingStart_, end, work_.Style});
    out_ += runEnd_;
    inLink_ = false;
    pendingStart_ = -1;
    rest_.clear();
  }

  void escapeByte(char c) {
    if (c == '\\' || c == '{' || c == '}') {
      out_ += '\\';
      out_ += c;
    } else if (c == '\n') {
      out_ += kParagraph;
      ++pos_;
    } else {
      out_ += c;
    }
  }
  void escape(std::string_view bytes) {
    for (char c : bytes) escapeByte(c);
  }

  TLinkString& reg_;
  bool starts_[256] = {};
  std::string header_, open_, runEnd_;
  std::string out_;
  TKzLinkItem work_;  // the item of the link being collected
  bool inLink_ = false;
  bool ended_ = false;  // a NUL byte ended the text
  std::string rest_;
  int32_t pendingStart_ = -1;
  int32_t pos_ = -1;
};

LinkConverter::LinkConverter(TLinkString& registry, TextLook look) : state_(std::make_unique<State>(registry, look)) {}
LinkConverter::~LinkConverter() = default;
std::string LinkConverter::Convert(std::string_view piece, bool last) { return state_->convert(piece, last); }

void TLinkString::Clear() {
  Items.clear();
  Marks.clear();
  Colors.clear();
}

void TLinkString::AddItem(TKzLinkItem item) {
  char entry[64];
  std::snprintf(entry, sizeof entry, "\\red%u\\green%u\\blue%u;", item.Color % 256, (item.Color / 256) % 256,
                (item.Color / 65536) % 256);
  auto it = std::find(Colors.begin(), Colors.end(), entry);
  size_t index = static_cast<size_t>(it - Colors.begin());
  if (it == Colors.end()) Colors.emplace_back(entry);
  item.RtfCode = "\\cf" + std::to_string(index + 1);
  if (item.Style & 1) item.RtfCode += "\\ul";
  if (item.Style & 2) item.RtfCode += "\\b";
  if (item.Style & 4) item.RtfCode += "\\i";
  Items.push_back(std::move(item));
}

void TLinkString::ClearMarks() {
  Pending.clear();
  Marks.clear();
}

std::string TLinkString::ColorTable() const {
  std::string table = "{\\colortbl\\red0\\green0\\blue0;";
  for (const std::string& c : Colors) table += c;
  return table + "}";
}

int TLinkString::Feed(char ch) {
  if (Pending.empty()) {
    for (size_t i = 0; i < Items.size(); ++i) {
      const std::string& p = Items[i].Prefix;
      if (!p.empty() && p[0] == ch) {
        Pending = ch;
        return p.size() == 1 ? static_cast<int>(i) + 1 : 0;
      }
    }
    return -2;
  }
  Pending += ch;
  int result = -1;
  for (size_t i = 0; i < Items.size(); ++i) {
    const std::string& p = Items[i].Prefix;
    if (p.size() >= Pending.size() && p.compare(0, Pending.size(), Pending) == 0)
      result = p.size() == Pending.size() ? static_cast<int>(i) + 1 : 0;
  }
  return result;
}

void TLinkString::TakeItem(TKzLinkItem& work) {
  for (const TKzLinkItem& item : Items) {
    if (base::equalsNoCase(item.Prefix, Pending)) {
      work = item;
      work.LinkText = Pending;
      break;
    }
  }
  Pending.clear();
}

std::string TLinkString::TakePending() { return std::exchange(Pending, {}); }

int TLinkString::MarkAt(int32_t bytePos) const {
  auto it = std::lower_bound(Marks.begin(), Marks.end(), bytePos,
                             [](const TKzLinkMark& m, int32_t p) { return m.EndPos < p; });
  if (it == Marks.end() || it->StartPos > bytePos) return -1;
  return static_cast<int>(it - Marks.begin());
}

void TLinkString::GetMark(int i, TKzLinkMark& dest) const {
  if (i >= 0 && i < static_cast<int>(Marks.size())) dest = Marks[static_cast<size_t>(i)];
}

std::string ConvertLinks(std::string_view text, TLinkString& registry, const TextLook& look) {
  return LinkConverter(registry, look).Convert(text, true);
}

void RegisterWebLinks(TLinkString& registry) {
  registry.Clear();
  for (const char* prefix : {"http:", "https:", "ftp:"}) registry.AddItem({prefix, 0xFF0000, 1, 0, {}, {}});
}

}  // namespace memo
