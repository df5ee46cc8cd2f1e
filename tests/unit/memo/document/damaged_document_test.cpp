// A one-file document that does not read whole is told apart from a sound one, with what can
// still be read of it.
#include "memo/document/damaged_document.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

using memo::inspectDocument;
using namespace std::string_literals;
using Names = std::vector<std::string>;

const std::string kHead = "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n";

Names namesOf(const memo::DamagedDocument& d) {
  Names names;
  for (const auto& t : d.tabs) names.push_back(t.name);
  return names;
}

struct Case {
  const char* what;
  std::string bytes;
  Names tabs;  // empty: sound
};

class Inspect : public testing::TestWithParam<Case> {};

TEST_P(Inspect, FindsTheDamageAndWhatCanBeRead) {
  auto damaged = inspectDocument(GetParam().bytes);
  if (GetParam().tabs.empty()) {
    EXPECT_FALSE(damaged);
    return;
  }
  ASSERT_TRUE(damaged);
  EXPECT_FALSE(damaged->reason.empty());
  EXPECT_EQ(namesOf(*damaged), GetParam().tabs);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Inspect,
    testing::Values(Case{"sound", kHead + "A/*!/a\\CrLf%\r\n<!--End Document-->\r\n", {}},
                    Case{"split", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\n", {}},
                    Case{"no end line", kHead + "A/*!/a\\CrLf%\r\nB/*!/b", {"A", "B"}},
                    Case{"no begin line", "<!--Tavelo Document Type II-->\r\nA/*!/a\\CrLf%\r\n", {"A"}},
                    Case{"a NUL byte", kHead + "A/*!/a\0\0\\CrLf%\r\nB/*!/b\r\n<!--End Document-->\r\n"s, {"A", "B"}},
                    Case{"garbage", "\x89PNG\r\n\x1a\n", {"読み込めた内容"_sj}},
                    Case{"nothing readable", kHead, {"読み込めた内容"_sj}}));

}  // namespace
