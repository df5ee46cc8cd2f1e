// The memo window's side of the insert commands (memo/insert): the files dropped on it, and the
// document file type at the first start.
#include "memo/app/main_form.h"
#include "memo/insert/insert_commands.h"

namespace memo {

void TfrmMain::fldDropFileDrop(int, const std::vector<std::string>& files, int, int) { insert_->filesDropped(files); }

void TfrmMain::registerFileType() { insert_->registerFileType(); }

}  // namespace memo
