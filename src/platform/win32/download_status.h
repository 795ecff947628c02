#pragma once

#include <windows.h>
// The other system headers build on windows.h.
#include <urlmon.h>

#include <cstdint>

#include "fetch/transfer_limits.h"

namespace vb::win32 {

// Watches one URLDownloadToFile: records the HTTP status the server answered with, asks for a
// fresh copy instead of a cached one, and aborts a download that grows past the size limit,
// stops making progress or outlasts the overall deadline. Lives on the worker's stack for the one
// call.
class DownloadStatus final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  explicit DownloadStatus(const TransferLimits& limits);

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
  TransferLimits limits_;
  ULONG references_ = 1;
  DWORD httpStatus_ = 0;
  bool aborted_ = false;
  ULONG lastProgress_ = 0;
  ULONGLONG lastProgressTick_ = 0;
  ULONGLONG startTick_ = 0;
};

}  // namespace vb::win32
