#include "platform/linux/curl_transfer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <tuple>
#include <vector>

#include "fetch/download_channel_file.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

using namespace std::chrono_literals;
using httplib::DataSink, httplib::Request, httplib::Response;

class CurlTransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* proxy : {"http_proxy", "all_proxy", "ALL_PROXY"}) unsetenv(proxy);
    testing::WriteFile(source, kLocal);
    server.Get("/feed", [&](const Request& request, Response& response) {
      response.set_content(request.get_header_value("User-Agent") == "Velloband/1.1" ? kFresh : "",
                           "text/xml");
    });
    server.Get(R"(/status/(\d+))", [](const Request& request, Response& response) {
      response.status = std::stoi(request.matches[1]);
      response.set_content("error page", "text/html");
    });
    server.Get(R"(/hop/(\d+))", [](const Request& request, Response& response) {
      const int left = std::stoi(request.matches[1]);
      response.set_redirect(left == 0 ? "/feed" : "/hop/" + std::to_string(left - 1));
    });
    // Bodies without a length, so that only the transfer's own counting stops them: one that
    // stalls beyond the shortened limit, one above the size limit, one cut off by a close.
    Stream("/slow", {"<rss>", "</rss>"}, true, 3s);
    Stream("/big", {std::string(1200, 'b')});
    Stream("/cut", {"<rss>"}, false);
    server.Get("/typed/.*", [&](const Request& request, Response& response) {
      typedTarget = request.target;
      response.set_content(kFresh, "text/xml");
    });
    // Fast enough for the speed rule, too slow for the overall deadline.
    Stream("/trickle", std::vector<std::string>(200, "x"), true, 200ms);
    port = server.bind_to_any_port("127.0.0.1");
    listener = std::thread([this] { server.listen_after_bind(); });
  }

  void TearDown() override {
    stopping = true;
    while (!server.is_running()) std::this_thread::sleep_for(1ms);  // or stop() is lost
    server.stop();
    listener.join();
  }

  void Stream(const std::string& path, const std::vector<std::string>& chunks, bool complete = true,
              std::chrono::milliseconds pause = 0ms) {
    server.Get(path, [=, this](const Request&, Response& response) {
      response.set_chunked_content_provider("text/xml", [=, this](size_t, DataSink& sink) {
        for (std::size_t i = 0; i < chunks.size() && !stopping; ++i) {
          if (i > 0) std::this_thread::sleep_for(pause);
          if (!sink.write(chunks[i].data(), chunks[i].size())) return false;
        }
        if (complete) sink.done();
        return complete;
      });
    });
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port) + path;
  }

  static constexpr const char* kFresh = "<rss>fresh</rss>";
  static constexpr const char* kLocal = "<rss>local</rss>";
  httplib::Server server;
  int port = 0;
  std::thread listener;
  std::string typedTarget;  // the last /typed/ request, as it came over the wire
  std::atomic<bool> stopping{false};
  testing::TempFolder folder;
  const std::string source = folder.File("source.xml");
  TransferLimits limits{
      .connectTimeoutSeconds = 5, .lowSpeedSeconds = 1, .maxBytes = 1000, .totalSeconds = 2};
};

TEST_F(CurlTransferTest, ReplacesTheFileOnlyWithACompleteGoodBodyOrARegularLocalFile) {
  const std::string fifo = folder.File("fifo.xml");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Should a worker open the FIFO after all, it gets an empty feed instead of hanging.
  std::thread writer([&] {
    for (int i = 0; i < 100; ++i, std::this_thread::sleep_for(20ms)) {
      if (const int end = open(fifo.c_str(), O_WRONLY | O_NONBLOCK); end >= 0) close(end);
    }
  });
  std::filesystem::create_directories(folder.File("folder.xml"));
  std::filesystem::create_symlink(source, folder.File("link.xml"));
  const std::optional<std::string> deleted, kept = "old";
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"file://" + fifo, kept},
      {"file://localhost" + fifo + "?x", kept},
      {"file://" + folder.File("folder.xml"), kept},
      {"file:///dev/zero", kept},
      {"file://" + folder.File("absent"), kept},
      {"file://" + source, kLocal},
      {"file://" + folder.File("link.xml"), kLocal},
      {Url("/feed vbco;cd=1 vbco"), kFresh},
      {Url("/hop/9"), kFresh},
      {Url("/status/404"), deleted},
      {Url("/status/500"), deleted},
      {Url("/status/204"), kept},
      {Url("/trickle"), kept},
      {Url("/hop/10"), kept},
      {Url("/slow"), kept},
      {Url("/big"), kept},
      {Url("/cut"), kept},
      {"http://127.0.0.1:1/feed", kept}};
  const auto transfer = MakeCurlTransfer(limits);
  const auto files = folder.FileCount();
  for (const auto& [url, left] : cases) {
    SCOPED_TRACE(url);
    const DownloadTarget target{folder.File("velloband0"), url};
    testing::WriteFile(target.path, "old");
    const auto start = std::chrono::steady_clock::now();
    DownloadChannelFile(target, *transfer);
    EXPECT_LT(std::chrono::steady_clock::now() - start, url.starts_with("file:") ? 1s : 15s)
        << "a transfer outlived its deadline";
    EXPECT_EQ(testing::ReadFileIfAny(target.path), left);
    EXPECT_EQ(folder.FileCount(), files + (left ? 1 : 0)) << "a temporary file was left behind";
  }
  writer.join();
}

TEST_F(CurlTransferTest, AddressesAsTypedReachTheirFeeds) {
  // As the configuration dialog stores them, in code page 936: 新闻 and 中文.
  const std::string news936 = "\xD0\xC2\xCE\xC5", chinese936 = "\xD6\xD0\xCE\xC4";
  std::filesystem::create_directories(folder.File("my feeds/中文"));
  testing::WriteFile(folder.File("my feeds/中文/新闻.xml"), kLocal);
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {Url("/typed/two " + news936 + ".xml?k=" + chinese936 + " vbco;cd=up;"), kFresh,
       "/typed/two%20%E6%96%B0%E9%97%BB.xml?k=%E4%B8%AD%E6%96%87"},
      {"file://" + folder.path() + "/my feeds/" + chinese936 + "/" + news936 + ".xml", kLocal, ""},
      {"file://" + folder.path() + "/my%20feeds/%E4%B8%AD%E6%96%87/" + news936 + ".xml", kLocal,
       ""}};
  const auto transfer = MakeCurlTransfer(limits);
  for (const auto& [url, body, sent] : cases) {
    SCOPED_TRACE(url);
    const DownloadTarget target{folder.File("velloband1"), url};
    std::filesystem::remove(target.path);
    typedTarget.clear();
    DownloadChannelFile(target, *transfer);
    EXPECT_EQ(testing::ReadFileIfAny(target.path), body);
    EXPECT_EQ(typedTarget, sent);
  }
}

}  // namespace
}  // namespace vb
