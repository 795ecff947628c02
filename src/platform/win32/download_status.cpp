#include "platform/win32/download_status.h"

namespace vb::win32 {

DownloadStatus::DownloadStatus(const TransferLimits& limits) : limits_(limits) {
  startTick_ = lastProgressTick_ = GetTickCount64();
}

STDMETHODIMP DownloadStatus::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback)) {
    *object = static_cast<IBindStatusCallback*>(this);
  } else if (IsEqualIID(riid, IID_IHttpNegotiate)) {
    *object = static_cast<IHttpNegotiate*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) DownloadStatus::AddRef() {
  return ++references_;
}

STDMETHODIMP_(ULONG) DownloadStatus::Release() {
  return references_ > 1 ? --references_ : 1;
}

STDMETHODIMP DownloadStatus::OnStartBinding(DWORD, IBinding*) {
  return S_OK;
}

STDMETHODIMP DownloadStatus::GetPriority(LONG*) {
  return E_NOTIMPL;
}

STDMETHODIMP DownloadStatus::OnLowResource(DWORD) {
  return S_OK;
}

STDMETHODIMP DownloadStatus::OnProgress(ULONG progress, ULONG, ULONG, LPCWSTR) {
  const ULONGLONG now = GetTickCount64();
  if (progress != lastProgress_) {
    lastProgress_ = progress;
    lastProgressTick_ = now;
  }
  const bool tooLarge = static_cast<std::int64_t>(progress) > limits_.maxBytes;
  const bool stalled =
      now - lastProgressTick_ > static_cast<ULONGLONG>(limits_.lowSpeedSeconds) * 1000;
  const bool neverConnected =
      progress == 0 &&
      now - startTick_ > static_cast<ULONGLONG>(limits_.connectTimeoutSeconds) * 1000;
  const bool overdue = now - startTick_ > static_cast<ULONGLONG>(limits_.totalSeconds) * 1000;
  if (tooLarge || stalled || neverConnected || overdue) {
    aborted_ = true;
    return E_ABORT;
  }
  return S_OK;
}

STDMETHODIMP DownloadStatus::OnStopBinding(HRESULT, LPCWSTR) {
  return S_OK;
}

STDMETHODIMP DownloadStatus::GetBindInfo(DWORD* flags, BINDINFO* info) {
  if (flags == nullptr || info == nullptr) return E_INVALIDARG;
  // Every fetch goes to the server: a channel must never be served from the internet cache.
  *flags |= BINDF_GETNEWESTVERSION | BINDF_RESYNCHRONIZE | BINDF_PRAGMA_NO_CACHE;
  return S_OK;
}

STDMETHODIMP DownloadStatus::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) {
  return S_OK;
}

STDMETHODIMP DownloadStatus::OnObjectAvailable(REFIID, IUnknown*) {
  return S_OK;
}

STDMETHODIMP DownloadStatus::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                                  LPWSTR* additionalHeaders) {
  if (additionalHeaders != nullptr) *additionalHeaders = nullptr;
  return S_OK;
}

STDMETHODIMP DownloadStatus::OnResponse(DWORD responseCode, LPCWSTR, LPCWSTR,
                                        LPWSTR* additionalRequestHeaders) {
  if (additionalRequestHeaders != nullptr) *additionalRequestHeaders = nullptr;
  httpStatus_ = responseCode;
  return S_OK;
}

}  // namespace vb::win32
