#include "clock/commands/system_menu.h"

#include "base/files.h"
#include "base/text.h"
#include "base/text_lines.h"
#include "shared/stretchable_file.h"

namespace tockle {

using shared::TKzStretchableFileOperation;

std::vector<SystemMenuRecord> decodeSystemMenu(std::string_view bytes) {
  std::vector<SystemMenuRecord> records;
  shared::TMemoryStream stream{std::string(bytes)};
  while (stream.Remaining() >= 8) {
    // A record counts only when every field of it is there: a damaged end makes no entry.
    SystemMenuRecord r;
    if (!TKzStretchableFileOperation::ReadString(stream, r.ParentText) ||
        !TKzStretchableFileOperation::ReadString(stream, r.Text) || stream.Remaining() < 12)
      break;
    r.ImageIndex = TKzStretchableFileOperation::ReadInteger(stream);
    r.SelectedIndex = TKzStretchableFileOperation::ReadInteger(stream);
    r.StateIndex = TKzStretchableFileOperation::ReadInteger(stream);
    records.push_back(std::move(r));
    if (stream.Remaining() <= 16) break;
  }
  return records;
}

std::vector<int> systemMenuParents(const std::vector<SystemMenuRecord>& records) {
  std::vector<int> parents(records.size(), -1);
  for (size_t i = 0; i < records.size(); ++i) {
    const std::string& name = records[i].ParentText;
    if (name == "nil") continue;
    int found = -1;
    // In tree order the parent is the previous node or one of its ancestors.
    for (int j = static_cast<int>(i) - 1; j >= 0 && found < 0; j = parents[static_cast<size_t>(j)])
      if (records[static_cast<size_t>(j)].Text == name) found = j;
    for (size_t j = 0; j < i && found < 0; ++j)
      if (records[j].Text == name) found = static_cast<int>(j);
    parents[i] = found;
  }
  return parents;
}

void addMissingSettingsAndExit(std::vector<SystemMenuRecord>& records) {
  auto has = [&records](int command) {
    for (const auto& r : records)
      if (r.StateIndex == command) return true;
    return false;
  };
  if (!has(cmdSettings)) records.push_back({"nil", "環境設定(&O)..."_sj, 1, 1, cmdSettings});
  if (!has(cmdExit)) records.push_back({"nil", "終了(&X)"_sj, 1, 1, cmdExit});
}

std::string encodeSystemMenu(const std::vector<SystemMenuRecord>& records) {
  shared::TMemoryStream stream;
  for (const auto& r : records) {
    TKzStretchableFileOperation::WriteString(stream, r.ParentText);
    TKzStretchableFileOperation::WriteString(stream, r.Text);
    TKzStretchableFileOperation::WriteInteger(stream, r.ImageIndex);
    TKzStretchableFileOperation::WriteInteger(stream, r.SelectedIndex);
    TKzStretchableFileOperation::WriteInteger(stream, r.StateIndex);
  }
  return stream.Bytes();
}

void LoadRecordsToMenu(const std::vector<SystemMenuRecord>& records, TMenuItem& root) {
  std::vector<int> parents = systemMenuParents(records);
  std::vector<TMenuItem*> items(records.size(), nullptr);
  for (size_t i = 0; i < records.size(); ++i) {
    TMenuItem* parent = parents[i] < 0 ? &root : items[static_cast<size_t>(parents[i])];
    TMenuItem item;
    item.Caption = records[i].Text;
    item.Tag = records[i].StateIndex;
    parent->Items.push_back(std::move(item));
    items[i] = &parent->Items.back();
  }
}

bool LoadToMenu(const std::string& fileName, TMenuItem& root) {
  // A folder in its place, or a file that cannot be read, gives the settings and exit entries.
  if (base::fileProblem(fileName) == base::FileProblem::Missing) return false;
  auto records = decodeSystemMenu(base::readFile(fileName).value_or(""));
  addMissingSettingsAndExit(records);
  LoadRecordsToMenu(records, root);
  return true;
}

namespace {
template <typename Pred>
TMenuItem* findDepthFirst(TMenuItem& root, const Pred& pred) {
  for (auto& item : root.Items) {
    if (pred(item)) return &item;
    if (TMenuItem* found = findDepthFirst(item, pred)) return found;
  }
  return nullptr;
}
}  // namespace

TMenuItem* FindItemByTag(int tag, TMenuItem& root) {
  return findDepthFirst(root, [tag](const TMenuItem& i) { return i.Tag == tag; });
}

void BindMenuCommands(TMenuItem& item) {
  for (auto& sub : item.Items) {
    if (sub.Tag > 0)
      sub.Bound = true;
    else if (!sub.Items.empty())
      BindMenuCommands(sub);
  }
}

base::Menu BuildPopupMenu(const TMenuItem& root, const TMenuImages* images) {
  base::Menu menu(CreatePopupMenu());
  for (const auto& item : root.Items) {
    if (!item.Visible) continue;
    std::wstring caption = base::wide(item.Caption);
    if (item.Caption == "-") {
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    if (!item.Items.empty() || item.Tag == 0) {
      base::Menu sub = BuildPopupMenu(item, images);
      AppendMenuW(menu.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub.release()), caption.c_str());
    } else {
      UINT flags = MF_STRING | (item.Checked ? MF_CHECKED : 0) | (item.Bound ? 0 : MF_GRAYED);
      AppendMenuW(menu.get(), flags, item.Bound ? static_cast<UINT_PTR>(item.Tag) : 0, caption.c_str());
    }
    if (!images) continue;
    HBITMAP picture = images->Bitmap(item.ImageIndex);
    if (!picture) picture = images->Blank();
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = picture;
    SetMenuItemInfoW(menu.get(), static_cast<UINT>(GetMenuItemCount(menu.get()) - 1), TRUE, &info);
  }
  return menu;
}

namespace {
// Reads the lines from `at` into the submenu called parent ("nil" at the top); returns the index
// after the line that closed it, or lines.size() at the end of the file. An "end" at the top ends
// the reading too.
size_t addDefaultMenuLines(const std::vector<std::string>& lines, size_t at, const std::string& parent,
                           std::vector<SystemMenuRecord>& out) {
  while (at < lines.size()) {
    const std::string name = base::lineName(lines[at]);
    const std::string value = base::valueOfName(lines, name);
    ++at;
    if (base::equalsNoCase(value, "end")) return at;
    if (name.empty()) continue;
    if (base::equalsNoCase(value, "begin")) {
      out.push_back(SystemMenuRecord{parent, name, 0, 0, 0});
      at = addDefaultMenuLines(lines, at, name, out);
      continue;
    }
    if (name == "-") {
      out.push_back(SystemMenuRecord{parent, "-", 2, 2, -1});
      continue;
    }
    long long command = 0;
    if (!base::parseInt(base::trim(value), command) || command <= 0 || command > 0x7FFFFFFF) continue;
    out.push_back(SystemMenuRecord{parent, name, 1, 1, static_cast<int32_t>(command)});
  }
  return at;
}
}  // namespace

std::vector<SystemMenuRecord> defaultSystemMenu(const std::vector<std::string>& lines) {
  std::vector<SystemMenuRecord> records;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find("[Default]") == std::string::npos) continue;
    addDefaultMenuLines(lines, i + 1, "nil", records);
    break;
  }
  return records;
}

}  // namespace tockle
