// What the new-document wizard's buttons do, apart from its window: the path checks, the folder
// creation, the question about an existing file and the page changes. The wizard creates no
// document; it answers the path (always ".ntd") and the format, and the caller creates it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memo/document/new_document.h"

namespace memo {

// The facts about the typed path that decide the questions.
struct WizardFacts {
  bool folderExists = false;
  bool fileExists = false;
};
WizardFacts wizardFactsFor(std::string_view path);

enum class WizardQuestion { CreateFolder, ReadExisting };
struct WizardAnswers {
  bool createFolder = false;  // "フォルダの作成": Yes
  bool readExisting = true;   // "ファイルのリード": Yes keeps the existing file
};
enum class WizardOutcome { Stay, ShowPage2, CloseWithOk };

// The plan for one press of Next.
struct WizardNextPlan {
  bool emptyPath = false;                     // "ファイルを指定して下さい": nothing else happens
  std::optional<std::string> folderToCreate;  // with all missing parents
  std::string fileToSetAside;                 // empty: none
  WizardOutcome outcome = WizardOutcome::Stay;
  std::string path;  // the path afterwards, its extension made ".ntd"
};

// The questions pressing Next asks, in order.
std::vector<WizardQuestion> wizardQuestions(std::string_view path, bool onPage2, const WizardFacts& facts);
WizardNextPlan planWizardNext(std::string_view path, bool onPage2, const WizardFacts& facts,
                              const WizardAnswers& answers);
// The path with its extension replaced by ".ntd" (appended when it has none; a dot in a folder
// name does not count).
std::string withMemoExtension(std::string_view path);

// Texts of the wizard's boxes.
std::string wizardEmptyPathText();
std::string wizardEmptyPathCaption();
// Where the old document went when a new one took its place.
std::string wizardSetAsideText(std::string_view folder);
// The old document could not be moved aside (file, for reason): it stays as it was.
std::string wizardSetAsideFailedText(std::string_view file, std::string_view reason);
std::string wizardQuestionText(WizardQuestion q);
std::string wizardQuestionCaption(WizardQuestion q);

// Creates a folder with all its missing parents; false (with GetLastError) when it cannot.
bool createFolders(std::string_view folder);

// The user's side of the wizard: its boxes and the save-file dialog.
class WizardHost {
 public:
  virtual ~WizardHost() = default;
  virtual void showError(std::string_view text, std::string_view caption) = 0;
  virtual void showInfo(std::string_view text, std::string_view caption) = 0;
  virtual bool askYesNo(std::string_view text, std::string_view caption) = 0;
  // The full path the user chose in the save-file dialog, or nothing.
  virtual std::optional<std::string> chooseFile(std::string_view current) = 0;
  // The help file at a context: a page's topic, or with popup a control's short help.
  virtual void showHelp(int context, bool popup) = 0;
};

// The wizard's state as its window shows it: the path box, which page (page 2 exactly while
// "< 前へ" is enabled), the format buttons and the result.
class NewWizardState {
 public:
  std::string FileName;  // edtFileName
  bool TypeII = true;    // rdbIntegrated selected

  bool OnPage2() const { return previousEnabled_; }
  bool PreviousEnabled() const { return previousEnabled_; }
  bool Closed() const { return closed_; }

  // Next: true when the dialog closes with OK.
  bool btnNextClick(WizardHost& host);
  void btnPreviousClick() { previousEnabled_ = false; }
  void Button1Click(WizardHost& host);
  void Cancel() { closed_ = true; }

  // The document, only after Next on page 2 closed the dialog.
  std::optional<NewDocumentChoice> Result() const;

 private:
  bool previousEnabled_ = false;
  bool closed_ = false;
  bool ok_ = false;
};

}  // namespace memo
