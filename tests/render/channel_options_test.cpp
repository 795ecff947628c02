#include "render/channel_options.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vb {
namespace {

// address, dir, smooth, speed, items per line, description flag
using Effective = std::tuple<std::string, std::string, std::string, std::string, int, int>;

Effective Parse(std::string_view url, char noDescription = 0) {
  const ChannelOptions o = ParseChannelOptions(url, "left", "2", "30", 1, noDescription);
  return {o.address, o.dir, o.smooth, o.speed, o.colNum, o.noDescription};
}

TEST(ChannelOptionsTest, NonEmptyValuesOfTheFirstOfEachKeyOverride) {
  EXPECT_EQ(Parse("file://c:\\abc.xml vbco;cd=up;cs=2;ct=500;ccn=2;"),
            Effective("file://c:\\abc.xml", "up", "2", "500", 2, 0));
  EXPECT_EQ(Parse("http://a/rssvbco;cd=up;"),
            Effective("http://a/rssvbco;cd=up;", "left", "2", "30", 1, 0));
  EXPECT_EQ(Parse("http://a vbco;cd=;cs=5;ct=800"),
            Effective("http://a", "left", "5", "800", 1, 0));
  EXPECT_EQ(Parse("http://a vbco;CD=up;ccn=x;cd=down;cd=up"),
            Effective("http://a", "down", "2", "30", 0, 0));
  EXPECT_EQ(std::get<4>(Parse("http://a vbco;ccn=;")), 1);
  EXPECT_EQ(std::get<4>(Parse("http://a vbco;ccn=0;")), 0);

  // Case and leading zeros stay; a number in wide digits counts as empty.
  EXPECT_EQ(Parse("http://x vbco;cd=UP;cs=07;ct=\xA3\xB1;"),
            Effective("http://x", "UP", "07", "30", 1, 0));

  // The description flag is only ever raised.
  EXPECT_EQ(std::get<5>(Parse("http://a vbco;cnd=0;", 1)), 1);
  EXPECT_EQ(std::get<5>(Parse("http://a vbco;cnd=1;")), 1);
  EXPECT_EQ(std::get<5>(Parse("http://a vbco;cnd=yes;")), 0);

  // The address is cut to its limit before the suffix is sought.
  const std::string longUrl = "http://a/" + std::string(250, 'x') + " vbco;cd=up;";
  EXPECT_EQ(Parse(longUrl), Effective(longUrl.substr(0, 259), "left", "2", "30", 1, 0));
}

}  // namespace
}  // namespace vb
