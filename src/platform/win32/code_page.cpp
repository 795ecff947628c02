#include "platform/win32/code_page.h"

#include <windows.h>

#include <climits>

namespace vb::win32 {

std::wstring WideFrom(unsigned codePage, std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int size = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), needed);
  return wide;
}

std::string NarrowTo(unsigned codePage, std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int size = static_cast<int>(text.size());
  const int needed =
      WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

std::wstring WideFrom936(std::string_view text) {
  return WideFrom(kProgramCodePage, text);
}

std::string NarrowTo936(std::wstring_view text) {
  return NarrowTo(kProgramCodePage, text);
}

bool RoundTripsThrough936(std::wstring_view text) {
  return WideFrom936(NarrowTo936(text)) == text;
}

}  // namespace vb::win32
