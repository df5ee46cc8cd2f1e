#include "clock/lists/drop_place.h"

#include "base/text.h"
#include "shared/prompts.h"

namespace tockle {

bool askDropAfterLast(HWND owner) {
  return shared::prompts().ask(owner, "一番最後の項目です\r\nこの項目の後ろに追加しますか(一番最後にしますか)？"_sj,
                               "追加場所"_sj, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace tockle
