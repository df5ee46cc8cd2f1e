#include "memo/dialogs/new_wizard_rules.h"

#include <windows.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/document/set_aside.h"

namespace memo {

namespace {

// The folder without its trailing separator (a drive root keeps it). extractFolder tells a real
// separator from the second byte of a double-byte character.
std::string withoutTrailingSeparator(std::string_view folder) {
  std::string f(folder);
  while (!f.empty() && base::extractFolder(f).size() == f.size() && f.back() != ':' && !(f.size() == 3 && f[1] == ':'))
    f.pop_back();
  return f;
}

std::string systemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = n ? base::trim(base::cp932(std::wstring_view(buffer, n))) : "Error " + std::to_string(code);
  if (buffer) LocalFree(buffer);
  return text;
}

}  // namespace

WizardFacts wizardFactsFor(std::string_view path) {
  std::string folder = base::extractFolder(path);
  return WizardFacts{!folder.empty() && base::folderExists(folder), base::fileExists(path)};
}

std::string withMemoExtension(std::string_view path) { return base::changeExtension(path, ".ntd"); }

std::vector<WizardQuestion> wizardQuestions(std::string_view path, bool onPage2, const WizardFacts& facts) {
  std::vector<WizardQuestion> questions;
  if (path.empty()) return questions;
  if (!facts.folderExists) questions.push_back(WizardQuestion::CreateFolder);
  if (onPage2 && facts.fileExists) questions.push_back(WizardQuestion::ReadExisting);
  return questions;
}

WizardNextPlan planWizardNext(std::string_view path, bool onPage2, const WizardFacts& facts,
                              const WizardAnswers& answers) {
  WizardNextPlan plan;
  plan.path = std::string(path);
  if (path.empty()) {
    plan.emptyPath = true;
    return plan;
  }
  if (!facts.folderExists && answers.createFolder) plan.folderToCreate = base::extractFolder(path);
  // "No" to reading the existing file: a new document takes its place, and the old one is moved
  // aside, never deleted (the question is easily misread, and it may hold every tab).
  if (onPage2 && facts.fileExists && !answers.readExisting) plan.fileToSetAside = std::string(path);
  plan.outcome = onPage2 ? WizardOutcome::CloseWithOk : WizardOutcome::ShowPage2;
  plan.path = withMemoExtension(path);
  return plan;
}

std::string wizardSetAsideText(std::string_view folder) {
  return "既存のメモファイルを次のフォルダに移しました\r\n(元に戻すには、このフォルダから取り出して下さい)\r\n"_sj +
         std::string(folder);
}

std::string wizardSetAsideFailedText(std::string_view file, std::string_view reason) {
  return "次のファイルを移せませんでした -> "_sj + std::string(file) + "\r\n"_sj + std::string(reason) +
         "\r\n\r\n既存のメモファイルは元のまま残してあります"_sj;
}

std::string wizardEmptyPathText() { return "ファイルを指定して下さい"_sj; }
std::string wizardEmptyPathCaption() { return "未指定"_sj; }

std::string wizardQuestionText(WizardQuestion q) {
  return q == WizardQuestion::CreateFolder ? "指定したフォルダが存在しません\r\n作成してよろしいですか？"_sj
                                           : "既に指定したファイルが存在します\r\n既存のファイルを読み込みますか？"_sj;
}

std::string wizardQuestionCaption(WizardQuestion q) {
  return q == WizardQuestion::CreateFolder ? "フォルダの作成"_sj : "ファイルのリード"_sj;
}

bool createFolders(std::string_view folder) {
  std::string f = withoutTrailingSeparator(folder);
  if (f.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return false;
  }
  if (base::folderExists(f)) return true;
  std::string parent = base::extractFolder(f);
  if (!parent.empty() && withoutTrailingSeparator(parent) != f && !createFolders(parent)) return false;
  return CreateDirectoryW(base::wide(f).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool NewWizardState::btnNextClick(WizardHost& host) {
  const bool onPage2 = OnPage2();
  WizardFacts facts = wizardFactsFor(FileName);
  WizardAnswers answers;
  for (WizardQuestion q : wizardQuestions(FileName, onPage2, facts)) {
    bool yes = host.askYesNo(wizardQuestionText(q), wizardQuestionCaption(q));
    (q == WizardQuestion::CreateFolder ? answers.createFolder : answers.readExisting) = yes;
  }
  WizardNextPlan plan = planWizardNext(FileName, onPage2, facts, answers);
  if (plan.emptyPath) {
    host.showError(wizardEmptyPathText(), wizardEmptyPathCaption());
    return false;
  }
  if (plan.folderToCreate && !createFolders(*plan.folderToCreate)) {
    // The folder could not be made: the platform's reason, and the wizard stays on its page.
    host.showError(systemErrorText(GetLastError()), wizardQuestionCaption(WizardQuestion::CreateFolder));
    return false;
  }
  if (!plan.fileToSetAside.empty()) {
    std::string failed;
    auto aside = moveDocumentAside(plan.fileToSetAside, &failed);
    if (!aside) {
      host.showError(wizardSetAsideFailedText(failed, systemErrorText(GetLastError())),
                     wizardQuestionCaption(WizardQuestion::ReadExisting));
      return false;
    }
    host.showInfo(wizardSetAsideText(*aside), wizardQuestionCaption(WizardQuestion::ReadExisting));
  }
  if (plan.outcome == WizardOutcome::CloseWithOk) ok_ = closed_ = true;
  previousEnabled_ = true;
  FileName = plan.path;
  return ok_;
}

void NewWizardState::Button1Click(WizardHost& host) {
  if (auto chosen = host.chooseFile(FileName)) FileName = *chosen;
}

std::optional<NewDocumentChoice> NewWizardState::Result() const {
  if (!ok_) return std::nullopt;
  return NewDocumentChoice{FileName, TypeII};
}

}  // namespace memo
