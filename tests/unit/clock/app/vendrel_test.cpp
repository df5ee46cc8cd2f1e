// The update-checker registration against a test key standing in for the checker's own.
#include "clock/app/vendrel.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "shared/registry.h"
#include "unit/clock/clock_fixture.h"

namespace {

class Vendrel : public test::ClockWindowTest {
 protected:
  std::string base = key.path() + "\\Upcheck";
  std::string soft = base + "\\support@quorvane.example\\tockle2";
  std::string value(const std::string& k, const std::string& name) {
    shared::TRegistry r;
    if (!r.OpenKeyReadOnly(k) || !r.ValueExists(name)) return "(none)";
    DWORD type = 0;
    RegQueryValueExW(r.CurrentKey(), base::wide(name).c_str(), nullptr, &type, nullptr, nullptr);
    return type == REG_DWORD ? std::to_string(r.ReadInteger(name)) : r.ReadString(name);
  }
};

TEST_F(Vendrel, WritesNothingWithoutTheCheckersKey) {
  tockle::TKzVendrel v;
  v.BaseKey = base;
  EXPECT_TRUE(v.WriteInfo());
  EXPECT_FALSE(shared::TRegistry().KeyExists(base));
}

TEST_F(Vendrel, TheClockRegistersUnderAnExistingKeyWithItsBuildAndDropsAnOldIconIndex) {
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(soft, true));
    r.WriteInteger("IconIndex", 2);
    r.WriteInteger("LatestBuild", 700);
  }
  auto& form = make();
  form.KzVendrel1.BaseKey = base;
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(value(soft, "Build") + "|" + value(soft, "DistinctName") + "|" + value(soft, "DisplayName") + "|" +
                value(soft, "FilePath") + "|" + value(soft, "IconIndex"),
            "631|Tockle|Tockle|" + base::programPath() + "|(none)");
  EXPECT_EQ(form.KzVendrel1.LatestBuild, 700);
  const std::string author = base + "\\support@quorvane.example";
  EXPECT_EQ(value(author, "Author") + "|" + value(author, "InfoURL3") + "|" + value(author, "InfoURL"),
            "Quorvane|https://www.quorvane.example/update/tockle.txt|(none)");
  // InfoInc below 2 names the plain value; an icon index above 0 is written.
  tockle::TKzVendrel v;
  v.BaseKey = base;
  v.InfoInc = 1;
  v.IconIndex = 3;
  ASSERT_TRUE(v.WriteInfo());
  EXPECT_EQ(value(author, "InfoURL") + "|" + value(soft, "IconIndex"),
            "https://www.quorvane.example/update/tockle.txt|3");
}

TEST_F(Vendrel, AFailedWriteIsToldAndStartUpGoesOn) {
  auto& form = make();
  form.KzVendrel1.BaseKey = base;
  form.KzVendrel1.SoftKey = std::string(300, 's');  // no such key can be made
  shared::TRegistry().OpenKey(base, true);
  ASSERT_TRUE(form.Create());
  EXPECT_EQ(askedCaption, "書き込みミス"_sj);
}

}  // namespace
