#pragma once

#include <windows.h>
// The other system headers build on windows.h.
#include <urlmon.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "fetch/transfer_limits.h"

namespace vb::win32 {

// Watches one URLDownloadToFile: records the HTTP status the server answered with, asks for a
// fresh copy instead of a cached one, and aborts a download that grows past the size limit,
// stops making progress, outlasts the overall deadline or is redirected from https to anything
// else. The time rules are checked by a timer of its own every second, since a silent server
// sends no progress to check them on. Lives on the worker's stack for the one call.
class DownloadStatus final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  DownloadStatus(const TransferLimits& limits, std::wstring url);
  ~DownloadStatus();
  DownloadStatus(const DownloadStatus&) = delete;
  DownloadStatus& operator=(const DownloadStatus&) = delete;

  // 0 when no HTTP answer arrived (file:// addresses, or no connection).
  DWORD httpStatus() const { return httpStatus_; }
  bool aborted() const { return aborted_; }

  // IUnknown. The object is not heap-owned, so the count only keeps COM's bookkeeping.
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IBindStatusCallback.
  STDMETHODIMP OnStartBinding(DWORD reserved, IBinding* binding) override;
  STDMETHODIMP GetPriority(LONG* priority) override;
  STDMETHODIMP OnLowResource(DWORD reserved) override;
  STDMETHODIMP OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                          LPCWSTR statusText) override;
  STDMETHODIMP OnStopBinding(HRESULT result, LPCWSTR error) override;
  STDMETHODIMP GetBindInfo(DWORD* flags, BINDINFO* info) override;
  STDMETHODIMP OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format,
                               STGMEDIUM* medium) override;
  STDMETHODIMP OnObjectAvailable(REFIID riid, IUnknown* object) override;

  // IHttpNegotiate.
  STDMETHODIMP BeginningTransaction(LPCWSTR url, LPCWSTR headers, DWORD reserved,
                                    LPWSTR* additionalHeaders) override;
  STDMETHODIMP OnResponse(DWORD responseCode, LPCWSTR responseHeaders, LPCWSTR requestHeaders,
                          LPWSTR* additionalRequestHeaders) override;

 private:
  static void CALLBACK OnWatchdog(void* self, BOOLEAN);
  // True when a time rule is broken at `now`.
  bool Overdue(ULONGLONG now) const;
  // Ends the binding from whichever thread finds a rule broken.
  void Abort();

  TransferLimits limits_;
  std::wstring url_;
  ULONG references_ = 1;
  DWORD httpStatus_ = 0;
  std::atomic<bool> aborted_ = false;
  ULONG lastProgress_ = 0;
  std::atomic<ULONGLONG> lastProgressTick_ = 0;
  ULONGLONG startTick_ = 0;
  std::mutex bindingLock_;
  IBinding* binding_ = nullptr;  // while bound
  HANDLE watchdog_ = nullptr;
};

}  // namespace vb::win32
