#include "win32/accessibility_runtime.h"

#include <array>
#include <string>

namespace tintwell::win32 {

namespace {

// Only from the system folder: a library of the same name beside the
// program is never picked up instead. A Windows 7 without the update that
// brought the search flag refuses it; the folder's full path does the same there.
Library systemLibrary(const wchar_t* name) {
  Library library(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (library) return library;
  std::array<wchar_t, MAX_PATH> folder{};
  const UINT length = GetSystemDirectoryW(folder.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return library;
  std::wstring path(folder.data(), length);
  path.append(L"\\").append(name);
  return Library(LoadLibraryW(path.c_str()));
}

template <typename Function>
Function entryPoint(const Library& library, const char* name) {
  if (!library) return nullptr;
  // The loader hands every entry point out untyped.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library.get(), name)));
}

}  // namespace

std::unique_ptr<AccessibilityRuntime> AccessibilityRuntime::load() {
  std::unique_ptr<AccessibilityRuntime> runtime(new AccessibilityRuntime());
  runtime->ole32_ = systemLibrary(L"ole32.dll");
  runtime->oleaut32_ = systemLibrary(L"oleaut32.dll");
  runtime->oleacc_ = systemLibrary(L"oleacc.dll");
  const auto startCom = entryPoint<StartCom>(runtime->ole32_, "CoInitializeEx");
  const auto endCom = entryPoint<EndCom>(runtime->ole32_, "CoUninitialize");
  runtime->createStandard_ =
      entryPoint<CreateStandard>(runtime->oleacc_, "CreateStdAccessibleObject");
  runtime->resultFromObject_ = entryPoint<ResultFromObject>(runtime->oleacc_, "LresultFromObject");
  runtime->allocateString_ = entryPoint<AllocateString>(runtime->oleaut32_, "SysAllocStringLen");
  if (startCom == nullptr || endCom == nullptr || runtime->createStandard_ == nullptr ||
      runtime->resultFromObject_ == nullptr || runtime->allocateString_ == nullptr) {
    return nullptr;
  }
  // The window's thread is a single-threaded apartment: calls from a reader
  // arrive as messages the window's loop dispatches, between its handlers.
  if (FAILED(startCom(nullptr, COINIT_APARTMENTTHREADED))) return nullptr;
  runtime->endCom_ = endCom;
  return runtime;
}

// Ending COM lets go of every object a reader still holds, before the
// libraries go.
AccessibilityRuntime::~AccessibilityRuntime() {
  if (endCom_ != nullptr) endCom_();
}

IAccessible* AccessibilityRuntime::standardObject(HWND window, LONG objectId) const {
  void* object = nullptr;
  if (FAILED(createStandard_(window, objectId, __uuidof(IAccessible), &object))) return nullptr;
  return static_cast<IAccessible*>(object);
}

LRESULT AccessibilityRuntime::resultFromObject(WPARAM wParam, IAccessible* object) const {
  return resultFromObject_(__uuidof(IAccessible), wParam, object);
}

BSTR AccessibilityRuntime::string(std::wstring_view text) const {
  return allocateString_(text.data(), static_cast<UINT>(text.size()));
}

}  // namespace tintwell::win32
