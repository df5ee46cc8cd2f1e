#include "memo/document/doc_failure.h"

#include "base/text.h"

namespace memo {

std::string systemErrorText(DWORD code) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring w = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!w.empty() && (w.back() == L'\r' || w.back() == L'\n' || w.back() == L' ')) w.pop_back();
  if (w.empty()) return "エラー番号 "_sj + std::to_string(code);
  return base::cp932(w);
}

std::string failureText(const DocError& error) {
  switch (error.kind) {
    case DocFailure::Gone:
      return "メモファイルが見つかりません"_sj;
    case DocFailure::System:
      return error.path.empty() ? systemErrorText(error.code) : systemErrorText(error.code) + " -> " + error.path;
    case DocFailure::BadName:
      return "タブ名が空か，タブ名に使えない文字 (改行, \"=\", \"/*!/\") を含んでいます"_sj;
    case DocFailure::RepeatedName:
      return "その名前は既に存在します"_sj;
    case DocFailure::NoSuchTab:
      return "タブが見つかりませんでした"_sj;
    case DocFailure::None:
    case DocFailure::Reported:
      break;
  }
  return {};
}

}  // namespace memo
