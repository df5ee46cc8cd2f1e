// Which target a link text opens, by the link settings.
#include "memo/link/open_link.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

struct Case {
  const char* name;
  std::string text;
  bool url, email, local;
  std::string expected;  // "shown|target|folder|program", or "-" when nothing opens
};

class OpenLinkTable : public ::testing::TestWithParam<Case> {};

TEST_P(OpenLinkTable, PlansTheOpening) {
  const Case& c = GetParam();
  memo::LinkSettings s{c.url, c.email, c.local, [](const std::string& p) { return p == "C:\\folder"; },
                       [](const std::string& p) { return p == "C:\\d\\memo.txt" || p == "C:\\d\\run.EXE"; }};
  auto o = memo::PlanOpenLink(c.text, s);
  EXPECT_EQ(o ? o->shown + "|" + o->target + "|" + o->folder + "|" + (o->program ? "1" : "0") : "-", c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OpenLinkTable,
    ::testing::Values(
        Case{"TextBeforeTheSchemeIsDropped", "see http://a/", true, true, true, "see http://a/|http://a/||0"},
        Case{"ListOrderDecides", "ftp:x http:y", true, true, true, "ftp:x http:y|http:y||0"},
        Case{"OtherSchemes", "news:comp", true, true, true, "news:comp|news:comp||0"},
        Case{"Www", "www.example.com", true, true, true, "http://www.example.com/|http://www.example.com/||0"},
        Case{"Mail", "me@example.com", true, true, true, "mailto:me@example.com|mailto:me@example.com||0"},
        Case{"MailRefused", "me@example.com", true, false, true, "-"},
        Case{"HttpsRefusedWithoutUrl", "https://a", false, true, true, "-"},
        Case{"FtpNotRefusedWithoutUrl", "ftp://a", false, true, true, "ftp://a|ftp://a||0"},
        Case{"WebWithAtNeedsEmail", "http://u@h/", true, false, true, "-"},
        Case{"Folder", "C:\\folder", true, true, true, "C:\\folder|C:\\folder||0"},
        Case{"FileOpensInItsFolder", "C:\\d\\memo.txt", true, true, true, "C:\\d\\memo.txt|C:\\d\\memo.txt|C:\\d\\|0"},
        Case{"ProgramIsAsked", "C:\\d\\run.EXE", true, true, true, "C:\\d\\run.EXE|C:\\d\\run.EXE|C:\\d\\|1"},
        Case{"FileAddressOfAProgramIsAsked", "file:///c:/x.bat", true, true, true,
             "file:///c:/x.bat|file:///c:/x.bat||1"},
        Case{"LocalOff", "C:\\d\\memo.txt", true, true, false, "-"},
        Case{"NothingThere", "C:\\nothing", true, true, true, "-"},
        Case{"CapitalSchemeIsNoScheme", "HTTP://a", true, true, true, "-"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
