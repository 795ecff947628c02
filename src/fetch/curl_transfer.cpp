#include "fetch/curl_transfer.h"

#include <curl/curl.h>

#include <cstdio>
#include <mutex>
#include <string>

namespace vb {
namespace {

struct Sink {
  std::FILE* file = nullptr;
  std::int64_t written = 0;
  std::int64_t limit = 0;
  bool failed = false;  // out of space or over the limit
};

// Counting here as well as through CURLOPT_MAXFILESIZE catches bodies sent without a length.
size_t WriteBody(char* data, size_t size, size_t count, void* user) {
  auto& sink = *static_cast<Sink*>(user);
  const size_t bytes = size * count;
  sink.written += static_cast<std::int64_t>(bytes);
  if (sink.written > sink.limit || std::fwrite(data, 1, bytes, sink.file) != bytes) {
    sink.failed = true;
    return 0;
  }
  return bytes;
}

TransferResult Classify(CURLcode code, long status, bool bodyKept) {
  // Only an error status removes the old copy; a lost connection says nothing about the channel.
  if (status >= 400) return TransferResult::kDownloadFailed;
  if (code != CURLE_OK || !bodyKept) return TransferResult::kOtherFailure;
  // A redirect that could not be followed carries no feed, and "no content" is no news.
  if (status >= 300 || status == 204) return TransferResult::kOtherFailure;
  return TransferResult::kDone;
}

class CurlTransfer : public Transfer {
 public:
  explicit CurlTransfer(const TransferLimits& limits) : limits_(limits) {}

  TransferResult Fetch(const std::string& url, const std::string& file) override {
    CURL* curl = curl_easy_init();
    if (curl == nullptr) return TransferResult::kOtherFailure;
    Sink sink;
    sink.limit = limits_.maxBytes;
    sink.file = std::fopen(file.c_str(), "wb");
    TransferResult result = TransferResult::kOtherFailure;
    if (sink.file != nullptr) {
      Configure(curl, url, sink);
      const CURLcode code = curl_easy_perform(curl);
      long status = 0;
      curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
      const bool closed = std::fclose(sink.file) == 0;
      result = Classify(code, status, closed && !sink.failed);
    }
    curl_easy_cleanup(curl);
    return result;
  }

 private:
  void Configure(CURL* curl, const std::string& url, Sink& sink) const {
    const std::string userAgent(kUserAgent);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,file");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits_.maxRedirects);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // workers must not touch process signals
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits_.connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits_.lowSpeedSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits_.totalSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.maxBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  }

  TransferLimits limits_;
};

}  // namespace

std::shared_ptr<Transfer> MakeCurlTransfer(const TransferLimits& limits) {
  static std::once_flag initialised;
  std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  return std::make_shared<CurlTransfer>(limits);
}

}  // namespace vb
