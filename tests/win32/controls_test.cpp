#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "shell/layout.h"
#include "win32/controls.h"
#include "win32/fonts.h"
#include "win32/test_parent.h"
#include "win32/text.h"

namespace tintwell::win32 {
namespace {

TEST(Win32Text, ConvertsBetweenUtf8AndUtf16WithoutLoss) {
  const std::pair<const char*, std::wstring> rows[] = {
      {"", L""},
      {"High", L"High"},
      {"K\xC3\xB6zepes", L"K\u00F6zepes"},
      {"\xC2\xB0", L"\u00B0"},
      {"\xF0\x9F\x8E\xA8", L"\U0001F3A8"},
  };
  for (const auto& [utf8, wide] : rows) {
    SCOPED_TRACE(utf8);
    EXPECT_EQ(toWide(utf8), wide);
    EXPECT_EQ(toUtf8(wide), utf8);
  }
}

TEST(Win32Text, HandsPlainAddressesToTheAnsiFunctionsUnchanged) {
  const std::string address = "https://quenlark.example/tintwell/";
  EXPECT_EQ(toAnsi(address), address);
  EXPECT_EQ(toAnsi("C:\\"), "C:\\");
}

// A pick-only list on a hidden parent.
class ComboListTest : public ::testing::Test {
 protected:
  std::wstring itemText(int index) const {
    const auto length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
  }

  FontCache fonts_;
  TestParent parent_{200, 100};
  HWND combo_ = nullptr;
};

TEST_F(ComboListTest, KeepsItemsInTheOrderAddedAndSelectsByIndex) {
  const layout::ControlDesign& design = *layout::findControl(layout::Control::cmbQuality);
  ComboList list(parent_.get(), GetModuleHandleW(nullptr), design, fonts_.get(design.font, false));
  combo_ = GetDlgItem(parent_.get(), design.controlId);
  EXPECT_EQ(list.listIndex(), -1) << "empty at creation";
  for (const char* item : {"Magas", "K\xC3\xB6zepes", "Alacsony"}) list.addItem(item);
  EXPECT_EQ(itemText(1), L"K\u00F6zepes");
  EXPECT_EQ(itemText(2), L"Alacsony") << "not sorted";
  list.setListIndex(2);
  EXPECT_EQ(list.listIndex(), 2);
  list.clear();
  EXPECT_EQ(list.listIndex(), -1);
  EXPECT_EQ(SendMessageW(combo_, CB_GETCOUNT, 0, 0), 0);
}

}  // namespace
}  // namespace tintwell::win32
