#include "win32/clipboard.h"

#include <cstring>

#include "win32/handles.h"
#include "win32/text.h"

namespace tintwell::win32 {

namespace {

constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 10;

// Another program may hold the clipboard open for a moment, as the system's
// own clipboard viewers do after every change: a few tries, a few
// milliseconds apart.
bool openClipboard(HWND owner) {
  for (int attempt = 1;; ++attempt) {
    if (OpenClipboard(owner)) return true;
    if (attempt == kOpenAttempts) return false;
    Sleep(kOpenRetryMs);
  }
}

// From OpenClipboard to CloseClipboard; when another program holds it past
// the tries, it is not open.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(openClipboard(owner)) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

  bool isOpen() const { return open_; }

 private:
  bool open_;
};

// Movable global memory from GlobalLock to GlobalUnlock.
class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~LockedMemory() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;

  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

using GlobalMemory = UniqueHandle<HGLOBAL, GlobalFree>;

}  // namespace

// The memory belongs to the clipboard: it is read, never freed, and read no
// further than its size even when the text has no terminating zero.
std::optional<std::string> Win32Clipboard::text() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
  const OpenedClipboard clipboard(owner_);
  if (!clipboard.isOpen()) return std::nullopt;
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  const LockedMemory locked(data);
  if (locked.data() == nullptr) return std::nullopt;
  const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  const auto* characters = static_cast<const wchar_t*>(locked.data());
  size_t length = 0;
  while (length < capacity && characters[length] != L'\0') ++length;
  return toUtf8(std::wstring_view(characters, length));
}

// Once SetClipboardData takes the memory, the clipboard frees it.
bool Win32Clipboard::setText(const std::string& text) {
  const std::wstring wide = toWide(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return false;
  {
    const LockedMemory locked(memory.get());
    if (locked.data() == nullptr) return false;
    std::memcpy(locked.data(), wide.c_str(), bytes);
  }
  const OpenedClipboard clipboard(owner_);
  if (!clipboard.isOpen() || !EmptyClipboard()) return false;
  if (SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  memory.handOver();
  return true;
}

}  // namespace tintwell::win32
