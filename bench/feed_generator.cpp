#include "feed_generator.h"

#include <iconv.h>

#include <cstdio>
#include <random>
#include <vector>

namespace vb::bench {
namespace {

// The 3755 level-1 characters, each as GBK bytes and as UTF-8.
struct Characters {
  std::vector<std::string> gbk, utf8;
};

Characters LevelOneCharacters() {
  Characters chars;
  iconv_t cd = iconv_open("UTF-8", "CP936");
  for (int lead = 0xB0; lead <= 0xD7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      char out[8];
      char* inPtr = in;
      char* outPtr = out;
      std::size_t inLeft = 2, outLeft = sizeof out;
      if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) continue;
      chars.gbk.emplace_back(in, 2);
      chars.utf8.emplace_back(out, sizeof out - outLeft);
    }
  }
  iconv_close(cd);
  return chars;
}

}  // namespace

bool WriteMixedFeed(const std::string& path, std::size_t bytes, bool gbk, FeedFormat format) {
  static const Characters chars = LevelOneCharacters();
  const std::vector<std::string>& table = gbk ? chars.gbk : chars.utf8;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::mt19937 random(42);
  auto chinese = [&](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += table[random() % table.size()];
    return text;
  };
  const bool atom = format == FeedFormat::kAtom;
  std::string head =
      std::string("<?xml version=\"1.0\" encoding=\"") + (gbk ? "gbk" : "utf-8") + "\"?>\n";
  head += atom ? "<feed xmlns=\"http://www.w3.org/2005/Atom\"><title type=\"text\">" + chinese(6) +
                     " News</title><link rel=\"alternate\" href=\"http://news.example/\"/>\n"
               : "<rss version=\"2.0\"><channel><title>" + chinese(6) +
                     " News</title><link>http://news.example/</link>\n";
  std::size_t written = std::fwrite(head.data(), 1, head.size(), file);
  std::string item;
  for (long n = 0; written < bytes; ++n) {
    const std::string number = std::to_string(n);
    const std::string hour = std::to_string(n % 10);
    if (atom) {
      item = "<entry>\n<title type=\"html\">" + chinese(12) + " Market &lt;b&gt;update&lt;/b&gt; " +
             number + "</title>\n<link rel=\"self\" href=\"http://news.example/feed/" + number +
             "\"/>\n<link rel=\"alternate\" type=\"text/html\" href=\"/story/" + number +
             "?from=atom&amp;id=" + std::to_string(n * 7) +
             "\"/>\n<id>tag:news.example,2026:" + number + "</id>\n<updated>2026-12-06T0" + hour +
             ":01:36+08:00</updated>\n<author><name>desk</name></author>\n<summary "
             "type=\"html\"><![CDATA[" +
             chinese(40) + " The index rose 1.2% in early trade; " + chinese(25) +
             "<br>More at 11:00.]]></summary>\n</entry>\n";
    } else {
      item = "<item>\n<title>" + chinese(12) + " Market update " + number +
             "</title>\n<link>http://news.example/story/" + number +
             "?from=rss&amp;id=" + std::to_string(n * 7) + "</link>\n<description><![CDATA[" +
             chinese(40) + " The index rose 1.2% in early trade; " + chinese(25) +
             "<br>More at 11:00.]]></description>\n<pubDate>Sun, 06 Dec 2026 0" + hour +
             ":01:36 GMT</pubDate>\n<author>desk</author>\n</item>\n";
    }
    written += std::fwrite(item.data(), 1, item.size(), file);
  }
  const std::string tail = atom ? "</feed>\n" : "</channel></rss>\n";
  std::fwrite(tail.data(), 1, tail.size(), file);
  return std::fclose(file) == 0;
}

}  // namespace vb::bench
