#include "render/channel_options.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

ChannelOptions Parse(std::string_view url) {
  return ParseChannelOptions(url, "left", "2", "30", 1, 0);
}

TEST(ChannelOptionsTest, SuffixOverridesOnlyWhatItNames) {
  const ChannelOptions o = Parse("file://c:\\abc.xml vbco;cd=up;cs=2;ct=500;ccn=2;");
  EXPECT_EQ(o.address, "file://c:\\abc.xml");
  EXPECT_EQ(o.dir, "up");
  EXPECT_EQ(o.smooth, "2");
  EXPECT_EQ(o.speed, "500");
  EXPECT_EQ(o.colNum, 2);
  EXPECT_EQ(o.noDescription, 0);

  const ChannelOptions plain = Parse("http://a.example/rss vbco;cd=up;");
  EXPECT_EQ(Parse("http://a.example/rssvbco;cd=up;").address, "http://a.example/rssvbco;cd=up;");
  EXPECT_EQ(Parse("http://a.example/rssvbco;cd=up;").dir, "left");
  EXPECT_EQ(plain.address, "http://a.example/rss");
}

TEST(ChannelOptionsTest, EmptyUnknownAndUnterminatedValues) {
  const ChannelOptions o = Parse("http://a vbco;cd=;cs=5;ct=800");
  EXPECT_EQ(o.dir, "left");
  EXPECT_EQ(o.smooth, "5");
  EXPECT_EQ(o.speed, "800");
  EXPECT_EQ(Parse("http://a vbco;CD=up;").dir, "left");
  EXPECT_EQ(Parse("http://a vbco;ccn=0;").colNum, 0);
  EXPECT_EQ(Parse("http://a vbco;ccn=x;").colNum, 0);
  EXPECT_EQ(Parse("http://a vbco;ccn=;").colNum, 1);
  EXPECT_EQ(Parse("http://a vbco;cd=up;cd=down;").dir, "up");
}

TEST(ChannelOptionsTest, DescriptionFlagIsOnlyRaised) {
  EXPECT_EQ(ParseChannelOptions("http://a vbco;cnd=0;", "left", "2", "30", 1, 1).noDescription, 1);
  EXPECT_EQ(Parse("http://a vbco;cnd=1;").noDescription, 1);
  EXPECT_EQ(Parse("http://a vbco;cnd=yes;").noDescription, 0);
}

TEST(ChannelOptionsTest, AddressIsCutBeforeTheSuffixIsSought) {
  const std::string longUrl = "http://a/" + std::string(250, 'x') + " vbco;cd=up;";
  const ChannelOptions o = Parse(longUrl);
  EXPECT_EQ(o.address, longUrl.substr(0, 259));
  EXPECT_EQ(o.dir, "left");
}

}  // namespace
}  // namespace vb
