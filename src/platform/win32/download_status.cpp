#include "platform/win32/download_status.h"

namespace vb::win32 {

namespace {

constexpr DWORD kWatchdogPeriodMs = 1000;

bool IsHttps(const wchar_t* url) {
  return url != nullptr && _wcsnicmp(url, L"https:", 6) == 0;
}

}  // namespace

DownloadStatus::DownloadStatus(const TransferLimits& limits, std::wstring url)
    : limits_(limits), url_(std::move(url)) {
  startTick_ = GetTickCount64();
  lastProgressTick_ = startTick_;
  CreateTimerQueueTimer(&watchdog_, nullptr, &OnWatchdog, this, kWatchdogPeriodMs,
                        kWatchdogPeriodMs, WT_EXECUTEDEFAULT);
}

DownloadStatus::~DownloadStatus() {
  // Waits for a watchdog call under way, so that none outlives the object.
  if (watchdog_ != nullptr) DeleteTimerQueueTimer(nullptr, watchdog_, INVALID_HANDLE_VALUE);
  const std::lock_guard guard(bindingLock_);
  if (binding_ != nullptr) binding_->Release();
  binding_ = nullptr;
}

void CALLBACK DownloadStatus::OnWatchdog(void* self, BOOLEAN) {
  auto* status = static_cast<DownloadStatus*>(self);
  if (!status->aborted_ && status->Overdue(GetTickCount64())) status->Abort();
}

bool DownloadStatus::Overdue(ULONGLONG now) const {
  const bool stalled =
      now - lastProgressTick_ > static_cast<ULONGLONG>(limits_.lowSpeedSeconds) * 1000;
  const bool overdue = now - startTick_ > static_cast<ULONGLONG>(limits_.totalSeconds) * 1000;
  return stalled || overdue;
}

void DownloadStatus::Abort() {
  aborted_ = true;
  IBinding* binding = nullptr;
  {
    // Not held while aborting: the binding may stop, and call back, before Abort returns.
    const std::lock_guard guard(bindingLock_);
    binding = binding_;
    if (binding != nullptr) binding->AddRef();
  }
  if (binding == nullptr) return;
  binding->Abort();
  binding->Release();
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

STDMETHODIMP DownloadStatus::OnStartBinding(DWORD, IBinding* binding) {
  const std::lock_guard guard(bindingLock_);
  if (binding_ == nullptr && binding != nullptr) {
    binding_ = binding;
    binding_->AddRef();
  }
  return S_OK;
}

STDMETHODIMP DownloadStatus::GetPriority(LONG*) {
  return E_NOTIMPL;
}

STDMETHODIMP DownloadStatus::OnLowResource(DWORD) {
  return S_OK;
}

STDMETHODIMP DownloadStatus::OnProgress(ULONG progress, ULONG, ULONG statusCode,
                                        LPCWSTR statusText) {
  const ULONGLONG now = GetTickCount64();
  if (progress != lastProgress_) {
    lastProgress_ = progress;
    lastProgressTick_ = now;
  }
  const bool tooLarge = static_cast<std::int64_t>(progress) > limits_.maxBytes;
  const bool neverConnected =
      progress == 0 &&
      now - startTick_ > static_cast<ULONGLONG>(limits_.connectTimeoutSeconds) * 1000;
  // What was asked for over https (the update note, which becomes page markup) stays on https.
  const bool downgraded =
      statusCode == BINDSTATUS_REDIRECTING && IsHttps(url_.c_str()) && !IsHttps(statusText);
  if (aborted_ || tooLarge || neverConnected || downgraded || Overdue(now)) {
    if (!aborted_) Abort();
    return E_ABORT;
  }
  return S_OK;
}

STDMETHODIMP DownloadStatus::OnStopBinding(HRESULT, LPCWSTR) {
  const std::lock_guard guard(bindingLock_);
  if (binding_ != nullptr) binding_->Release();
  binding_ = nullptr;
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
