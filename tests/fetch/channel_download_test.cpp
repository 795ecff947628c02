#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "fetch/curl_transfer.h"
#include "fetch/download_channel_file.h"
#include "fetch/thread_download_starter.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

using namespace std::chrono_literals;
using httplib::DataSink, httplib::Request, httplib::Response;

class ChannelDownloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* proxy : {"http_proxy", "all_proxy", "ALL_PROXY"}) unsetenv(proxy);
    server.Get("/feed", [&](const Request& request, Response& response) {
      ++served;
      response.set_content(request.get_header_value("User-Agent") == "Velloband/1.1" ? kFresh : "",
                           "text/xml");
    });
    server.Get("/other", [&](const Request&, Response& response) {
      ++served;
      response.set_content(std::string(900, 'o'), "text/xml");
    });
    server.Get(R"(/status/(\d+))", [](const Request& request, Response& response) {
      response.status = std::stoi(request.matches[1]);
      response.set_content("error page", "text/html");
    });
    server.Get(R"(/hop/(\d+))", [](const Request& request, Response& response) {
      const int left = std::stoi(request.matches[1]);
      response.set_redirect(left == 0 ? "/feed" : "/hop/" + std::to_string(left - 1));
    });
    server.Get("/slow", [](const Request&, Response& response) {
      // Stalls beyond the shortened limit, then would complete a valid body.
      response.set_chunked_content_provider("text/xml", [](size_t, DataSink& sink) {
        sink.write("<rss>", 5);
        std::this_thread::sleep_for(3s);
        sink.write("</rss>", 6);
        sink.done();
        return true;
      });
    });
    server.Get("/big", [](const Request&, Response& response) {
      response.set_chunked_content_provider("text/xml", [](size_t, DataSink& sink) {
        const std::string block(600, 'b');
        sink.write(block.data(), block.size());
        sink.write(block.data(), block.size());
        sink.done();
        return true;
      });
    });
    server.Get("/cut", [](const Request&, Response& response) {
      response.set_content_provider(1000, "text/xml", [](size_t, size_t, DataSink& sink) {
        sink.write("<rss>", 5);
        return false;
      });
    });
    port = server.bind_to_any_port("127.0.0.1");
    listener = std::thread([this] { server.listen_after_bind(); });
  }

  void TearDown() override {
    while (!server.is_running()) std::this_thread::sleep_for(1ms);  // or stop() is lost
    server.stop();
    listener.join();
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port) + path;
  }

  static constexpr const char* kFresh = "<rss>fresh</rss>";
  httplib::Server server;
  int port = 0;
  std::thread listener;
  std::atomic<int> served{0};
  testing::TempFolder folder;
  TransferLimits limits{.connectTimeoutSeconds = 5, .lowSpeedSeconds = 1, .maxBytes = 1000};
};

TEST_F(ChannelDownloadTest, ReplacesTheFileOnlyWithACompleteGoodBody) {
  const std::string source = folder.File("source.xml");
  testing::WriteFile(source, "<rss>local</rss>");
  const std::optional<std::string> deleted, kept = "old";
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {Url("/feed vbco;cd=1 vbco"), kFresh},
      {Url("/hop/9"), kFresh},
      {"file://" + source, "<rss>local</rss>"},
      {Url("/status/404"), deleted},
      {Url("/status/500"), deleted},
      {Url("/hop/10"), kept},
      {Url("/slow"), kept},
      {Url("/big"), kept},
      {Url("/cut"), kept},
      {"http://127.0.0.1:1/feed", kept},
      {"file://" + folder.File("absent"), kept}};
  const auto transfer = MakeCurlTransfer(limits);
  for (const auto& [url, left] : cases) {
    SCOPED_TRACE(url);
    const DownloadTarget target{folder.File("velloband0"), url};
    testing::WriteFile(target.path, "old");
    DownloadChannelFile(target, *transfer);
    EXPECT_EQ(testing::ReadFileIfAny(target.path), left);
    EXPECT_EQ(folder.FileCount(), left ? 2 : 1) << "a temporary file was left behind";
  }
}

TEST_F(ChannelDownloadTest, ConcurrentWorkersOnOneFileLeaveOneWholeBody) {
  ThreadDownloadStarter starter(MakeCurlTransfer(limits));
  DownloadTarget target{folder.File("velloband3"), Url("/feed")};
  starter.Start(target);
  target.url = Url("/other");
  starter.Start(target);
  target.url = Url("/status/404");  // the workers hold their own copies

  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while ((served < 2 || folder.FileCount() != 1) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(10ms);
  const std::optional<std::string> body = testing::ReadFileIfAny(target.path);
  ASSERT_TRUE(body.has_value());
  EXPECT_TRUE(*body == kFresh || *body == std::string(900, 'o')) << *body;
}

}  // namespace
}  // namespace vb
