#include "win32/text.h"

#include <vector>

namespace tintwell::win32 {

namespace {

std::string narrow(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int size =
      WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), length, result.data(), size, nullptr, nullptr);
  return result;
}

}  // namespace

std::wstring toWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = static_cast<int>(utf8.size());
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring result(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, result.data(), size);
  return result;
}

std::string toUtf8(std::wstring_view wide) {
  return narrow(CP_UTF8, wide);
}

std::string toAnsi(std::string_view utf8) {
  return narrow(CP_ACP, toWide(utf8));
}

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), length + 1);
  return toUtf8(std::wstring_view(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0)));
}

}  // namespace tintwell::win32
