#include "win32/platform.h"

#include "sampler/sampling.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace tintwell::win32 {

// The portable code speaks in the platform's numbers without its headers.
static_assert(kKeyQueryValue == KEY_QUERY_VALUE);
static_assert(kKeySetValue == KEY_SET_VALUE);
static_assert(kKeyCreateSubKey == KEY_CREATE_SUB_KEY);
static_assert(kRegBinary == REG_BINARY);
static_assert(kShiftKeyCode == VK_SHIFT);
static_assert(kPageUpKeyCode == VK_PRIOR && kPageDownKeyCode == VK_NEXT);
static_assert(kEndKeyCode == VK_END && kHomeKeyCode == VK_HOME);
static_assert(kLeftKeyCode == VK_LEFT && kUpKeyCode == VK_UP);
static_assert(kRightKeyCode == VK_RIGHT && kDownKeyCode == VK_DOWN);
static_assert(kShowHidden == SW_HIDE);
static_assert(packRgb(0x12, 0x34, 0x56) == RGB(0x12, 0x34, 0x56));

// The port's root key is the 32-bit value; on 64-bit Windows the predefined
// key is that value sign-extended, so it is mapped rather than cast.
int16_t modifierMask() {
  constexpr SHORT kDown = static_cast<SHORT>(0x8000);
  int16_t mask = 0;
  if (GetKeyState(VK_SHIFT) & kDown) mask |= kShiftMask;
  if (GetKeyState(VK_CONTROL) & kDown) mask |= kCtrlMask;
  if (GetKeyState(VK_MENU) & kDown) mask |= kAltMask;
  return mask;
}

bool mouseButtonHeld() {
  constexpr SHORT kDown = static_cast<SHORT>(0x8000);
  return ((GetKeyState(VK_LBUTTON) | GetKeyState(VK_RBUTTON) | GetKeyState(VK_MBUTTON)) & kDown) !=
         0;
}

HKEY toHkey(RegistryKey key) {
  if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
  return reinterpret_cast<HKEY>(key);
}

namespace {

RegistryKey fromHkey(HKEY key) {
  return reinterpret_cast<RegistryKey>(key);
}

constexpr int kScreenPixelSize = 1;

}  // namespace

int32_t Win32Registry::openKey(RegistryKey root, const std::string& path, uint32_t access,
                               RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(toHkey(root), toAnsi(path).c_str(), 0, access, &opened);
  if (status == ERROR_SUCCESS) key = fromHkey(opened);
  return status;
}

int32_t Win32Registry::queryValue(RegistryKey key, const std::string& name, uint8_t* data,
                                  uint32_t& size) {
  DWORD type = 0;
  DWORD reported = size;
  const LONG status =
      RegQueryValueExA(toHkey(key), toAnsi(name).c_str(), nullptr, &type, data, &reported);
  size = reported;
  return status;
}

int32_t Win32Registry::createKey(RegistryKey root, const std::string& path, uint32_t access,
                                 RegistryKey& key) {
  SECURITY_ATTRIBUTES security{};
  security.nLength = sizeof(security);
  char noClass[] = "";
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG status =
      RegCreateKeyExA(toHkey(root), toAnsi(path).c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                      access, &security, &created, &disposition);
  if (status == ERROR_SUCCESS) key = fromHkey(created);
  return status;
}

int32_t Win32Registry::setValue(RegistryKey key, const std::string& name, uint32_t type,
                                const uint8_t* data, uint32_t size) {
  return RegSetValueExA(toHkey(key), toAnsi(name).c_str(), 0, type, data, size);
}

int32_t Win32Registry::closeKey(RegistryKey key) {
  return RegCloseKey(toHkey(key));
}

bool Win32Platform::getCursorPos(Point& point) {
  POINT position{};
  if (!GetCursorPos(&position)) return false;
  point.x = position.x;
  point.y = position.y;
  return true;
}

// Through a private 1x1 bitmap, as a read straight from the screen context
// is slow on some drivers; every handle is given back before returning.
PackedColor Win32Platform::readScreenPixel(int32_t x, int32_t y) {
  const HWND desktop = GetDesktopWindow();
  const WindowDc screen(desktop, WindowDc::Area::whole);
  const MemoryDc memory(screen.get());
  const Bitmap pixel(CreateCompatibleBitmap(screen.get(), kScreenPixelSize, kScreenPixelSize));
  const SelectedObject selected(memory.get(), pixel.get());
  BitBlt(memory.get(), 0, 0, kScreenPixelSize, kScreenPixelSize, screen.get(), x, y, SRCCOPY);
  return GetPixel(memory.get(), 0, 0);
}

// The shell, and all it brings along, is loaded the first time it is asked
// for rather than at every start: most runs never open the home page. It
// stays loaded, as what it starts may still run in it.
void Win32Platform::shellExecute(const ShellRequest& request) {
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static const Library shell(LoadLibraryW(L"shell32.dll"));
  const FARPROC found = shell ? GetProcAddress(shell.get(), "ShellExecuteA") : nullptr;
  if (found == nullptr) return;
  const auto execute = reinterpret_cast<ShellExecuteFunction>(reinterpret_cast<void (*)()>(found));
  const std::string file = toAnsi(request.file);
  const std::string directory = toAnsi(request.directory);
  execute(owner_, request.operation, file.c_str(), request.parameters,
          directory.empty() ? nullptr : directory.c_str(), request.showCommand);
}

}  // namespace tintwell::win32
