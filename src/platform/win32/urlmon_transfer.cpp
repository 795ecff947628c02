#include "platform/win32/urlmon_transfer.h"

#include <windows.h>
// The other system headers build on windows.h.
#include <objbase.h>
#include <urlmon.h>
#include <wininet.h>

#include <filesystem>
#include <optional>

#include "fetch/request_url.h"
#include "platform/win32/code_page.h"
#include "platform/win32/download_status.h"
#include "settings/file_io.h"

namespace vb::win32 {
namespace {

TransferResult Classify(HRESULT result, const DownloadStatus& status) {
  // An error page is a failed download whatever the download call says about it.
  if (status.httpStatus() >= 400 || result == INET_E_DOWNLOAD_FAILURE) {
    return TransferResult::kDownloadFailed;
  }
  if (FAILED(result) || status.aborted()) return TransferResult::kOtherFailure;
  // A redirect that was not followed carries no feed, and "no content" is no news.
  if (status.httpStatus() >= 300 || status.httpStatus() == 204) {
    return TransferResult::kOtherFailure;
  }
  return TransferResult::kDone;
}

// The system's file protocol does not reliably read escaped UTF-8 (older versions take escapes
// in the ANSI code page), so a local feed is copied through its wide path instead. Only a regular
// file is copied; a missing one keeps the old copy, as a lost connection does.
TransferResult CopyLocalFile(const std::string& utf8Path, const std::string& file,
                             std::int64_t maxBytes) {
  const std::filesystem::path from(WideFrom(CP_UTF8, utf8Path));
  std::error_code error;
  // A pipe or a device could hold the worker for good, and a folder is no feed.
  if (!std::filesystem::is_regular_file(from, error)) return TransferResult::kOtherFailure;
  const std::uintmax_t size = std::filesystem::file_size(from, error);
  if (error || size > static_cast<std::uintmax_t>(maxBytes)) return TransferResult::kOtherFailure;
  std::filesystem::copy_file(from, FilePath(file),
                             std::filesystem::copy_options::overwrite_existing, error);
  return error ? TransferResult::kOtherFailure : TransferResult::kDone;
}

class UrlmonTransfer final : public Transfer {
 public:
  explicit UrlmonTransfer(const TransferLimits& limits) : limits_(limits) {}

  TransferResult Fetch(const std::string& url, const std::string& file) override {
    if (const std::optional<std::string> path = WindowsFilePath(url)) {
      return CopyLocalFile(*path, file, limits_.maxBytes);
    }
    const std::wstring wideUrl = WideFrom936(url);
    const std::wstring wideFile = WideFrom936(file);
    if (wideUrl.empty() || wideFile.empty()) return TransferResult::kOtherFailure;
    const HRESULT comInit = CoInitialize(nullptr);
    DownloadStatus status(limits_, wideUrl);
    const HRESULT result = URLDownloadToFileW(nullptr, wideUrl.c_str(), wideFile.c_str(), 0,
                                              static_cast<IBindStatusCallback*>(&status));
    DeleteUrlCacheEntryW(wideUrl.c_str());
    if (SUCCEEDED(comInit)) CoUninitialize();
    return Classify(result, status);
  }

 private:
  TransferLimits limits_;
};

}  // namespace

std::shared_ptr<Transfer> MakeUrlmonTransfer(const TransferLimits& limits) {
  // Every request names the program, as on Linux.
  std::string userAgent(kUserAgent);
  UrlMkSetSessionOption(URLMON_OPTION_USERAGENT, userAgent.data(),
                        static_cast<DWORD>(userAgent.size()), 0);
  // Process-wide defaults for the system's internet functions: a server that accepts the
  // connection and then falls silent must not hold a worker for ever.
  DWORD connectMs = static_cast<DWORD>(limits.connectTimeoutSeconds * 1000);
  DWORD receiveMs = static_cast<DWORD>(limits.lowSpeedSeconds * 1000);
  InternetSetOptionW(nullptr, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof connectMs);
  InternetSetOptionW(nullptr, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveMs, sizeof receiveMs);
  return std::make_shared<UrlmonTransfer>(limits);
}

}  // namespace vb::win32
