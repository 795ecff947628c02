#include "platform/linux/curl_transfer.h"

#include <curl/curl.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/percent_escapes.h"

namespace vb {
namespace {

// libcurl and the libraries it pulls in (TLS, Kerberos, LDAP...) double the dynamic loader's
// work at start-up, before the first frame; loaded with the first transfer instead, on the
// worker that makes it.
struct CurlLibrary {
  decltype(&curl_global_init) globalInit = nullptr;
  decltype(&curl_easy_init) init = nullptr;
  decltype(&curl_easy_setopt) setopt = nullptr;
  decltype(&curl_easy_perform) perform = nullptr;
  decltype(&curl_easy_getinfo) getinfo = nullptr;
  decltype(&curl_easy_cleanup) cleanup = nullptr;
};

template <typename Function>
bool Bind(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

// Null when libcurl cannot be loaded; it then stays loaded for the life of the process.
const CurlLibrary* Curl() {
  static const CurlLibrary* const curl = []() -> const CurlLibrary* {
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static CurlLibrary loaded;
    if (!Bind(library, "curl_global_init", loaded.globalInit) ||
        !Bind(library, "curl_easy_init", loaded.init) ||
        !Bind(library, "curl_easy_setopt", loaded.setopt) ||
        !Bind(library, "curl_easy_perform", loaded.perform) ||
        !Bind(library, "curl_easy_getinfo", loaded.getinfo) ||
        !Bind(library, "curl_easy_cleanup", loaded.cleanup) ||
        loaded.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
      return nullptr;
    }
    return &loaded;
  }();
  return curl;
}

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

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() &&
         std::equal(start.begin(), start.end(), text.begin(),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

// Whether a file: address is one to read: only a regular file is, since reading a FIFO or a
// device could hold the worker for good and a folder is no feed. Other addresses pass.
bool ReadableAddress(std::string_view url) {
  if (!StartsWithIgnoringCase(url, "file:")) return true;
  std::string_view rest = url.substr(5);
  if (rest.starts_with("//")) rest = rest.substr(std::min(rest.find('/', 2), rest.size()));
  rest = rest.substr(0, rest.find_first_of("?#"));
  std::error_code error;
  return std::filesystem::is_regular_file(PercentDecoded(rest), error);
}

class CurlTransfer : public Transfer {
 public:
  explicit CurlTransfer(const TransferLimits& limits) : limits_(limits) {}

  TransferResult Fetch(const std::string& url, const std::string& file) override {
    if (!ReadableAddress(url)) return TransferResult::kOtherFailure;
    const CurlLibrary* library = Curl();
    if (library == nullptr) return TransferResult::kOtherFailure;
    CURL* curl = library->init();
    if (curl == nullptr) return TransferResult::kOtherFailure;
    Sink sink;
    sink.limit = limits_.maxBytes;
    sink.file = std::fopen(file.c_str(), "wb");
    TransferResult result = TransferResult::kOtherFailure;
    if (sink.file != nullptr) {
      Configure(*library, curl, url, sink);
      const CURLcode code = library->perform(curl);
      long status = 0;
      library->getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
      const bool closed = std::fclose(sink.file) == 0;
      result = Classify(code, status, closed && !sink.failed);
    }
    library->cleanup(curl);
    return result;
  }

 private:
  void Configure(const CurlLibrary& library, CURL* curl, const std::string& url, Sink& sink) const {
    const std::string userAgent(kUserAgent);
    library.setopt(curl, CURLOPT_URL, url.c_str());
    library.setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,file");
    // What came over https (the update note, which becomes page markup) stays on https.
    library.setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR,
                   StartsWithIgnoringCase(url, "https:") ? "https" : "http,https");
    library.setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    library.setopt(curl, CURLOPT_MAXREDIRS, limits_.maxRedirects);
    library.setopt(curl, CURLOPT_FAILONERROR, 1L);
    library.setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
    library.setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    library.setopt(curl, CURLOPT_NOSIGNAL, 1L);  // workers must not touch process signals
    library.setopt(curl, CURLOPT_CONNECTTIMEOUT, limits_.connectTimeoutSeconds);
    library.setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedBytesPerSecond);
    library.setopt(curl, CURLOPT_LOW_SPEED_TIME, limits_.lowSpeedSeconds);
    library.setopt(curl, CURLOPT_TIMEOUT, limits_.totalSeconds);
    library.setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.maxBytes));
    library.setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
    library.setopt(curl, CURLOPT_WRITEDATA, &sink);
  }

  TransferLimits limits_;
};

}  // namespace

std::shared_ptr<Transfer> MakeCurlTransfer(const TransferLimits& limits) {
  return std::make_shared<CurlTransfer>(limits);
}

}  // namespace vb
