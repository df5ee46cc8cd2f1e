// A caption as a hint reads it: without its access key.
#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/chrome/actions.h"

namespace {

TEST(CaptionHint, DropsTheAccessKeyAndKeepsTheRest) {
  const struct {
    std::string caption, hint;
  } cases[] = {
      {"元に戻す(&U)"_sj, "元に戻す"_sj},
      {"検索(&F)..."_sj, "検索..."_sj},
      {"&Bold", "Bold"},
      {"A && B", "A & B"},
      {"ヘルプ"_sj, "ヘルプ"_sj},
      {"(&)", "()"},
  };
  for (const auto& c : cases) EXPECT_EQ(memo::captionHint(c.caption), c.hint) << c.caption;
}

}  // namespace
