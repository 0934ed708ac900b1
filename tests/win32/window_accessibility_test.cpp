// The window's objects in this process: what a reader still holds once the
// window has gone, and a default action posted by anyone.

#include <oleacc.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/layout.h"
#include "win32/handles.h"
#include "win32/main_window.h"

namespace tintwell::win32 {
namespace {

VARIANT self() {
  VARIANT id{};
  id.vt = VT_I4;
  id.lVal = CHILDID_SELF;
  return id;
}

void pumpWaitingMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST(WindowAccessibility, AnObjectHeldPastTheWindowAnswersThatItIsGone) {
  ComPointer<IAccessible> matrix;
  {
    MainWindow window(GetModuleHandleW(nullptr));
    ASSERT_TRUE(window.open(SW_SHOWNOACTIVATE));
    const HWND surface = GetDlgItem(window.handle(), layout::kImgMatrixId);
    ASSERT_HRESULT_SUCCEEDED(
        AccessibleObjectFromWindow(surface, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(matrix.receive())));
    BSTR name = nullptr;
    ASSERT_EQ(matrix->get_accName(self(), &name), S_OK);
    EXPECT_STREQ(name, L"Saturation and brightness");
    SysFreeString(name);

    // Anyone may post to a window: an action of no control does nothing.
    PostMessageW(window.handle(), WM_APP + 1, 4096, 0);
    pumpWaitingMessages();
    EXPECT_TRUE(IsWindow(window.handle()));
  }
  BSTR name = nullptr;
  EXPECT_EQ(matrix->get_accName(self(), &name), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(name, nullptr);
}

}  // namespace
}  // namespace tintwell::win32
