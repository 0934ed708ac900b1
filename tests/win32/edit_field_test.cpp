#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/layout.h"
#include "win32/edit_field.h"
#include "win32/fonts.h"
#include "win32/test_parent.h"
#include "win32/text.h"

namespace tintwell::win32 {
namespace {

constexpr int kFieldIndex = kRedField;
constexpr int kMaxLength = 3;

// A parent that hands the field its notifications as the main window does,
// and counts the changes the field reports: the platform's and its own.
class ChangeCounter final : public FieldEvents {
 public:
  ChangeCounter() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const layout::ControlDesign& design =
        *layout::findControl(layout::Control::txtInp, kFieldIndex);
    field_ = std::make_unique<EditField>(parent_.get(), instance, design,
                                         fonts_.get(design.font, false), *this);
    edit_ = GetDlgItem(parent_.get(), design.controlId);
  }
  ChangeCounter(const ChangeCounter&) = delete;
  ChangeCounter& operator=(const ChangeCounter&) = delete;

  EditField& field() { return *field_; }
  HWND edit() const { return edit_; }
  int handled() const { return changes; }

  int changes = 0;
  std::string textSeen;

 private:
  void fieldChanged(int index) override {
    EXPECT_EQ(index, kFieldIndex);
    ++changes;
    textSeen = field_->text();
  }
  void fieldGotFocus(int /*index*/) override {}
  void fieldLostFocus(int /*index*/) override {}

  FontCache fonts_;
  HWND edit_ = nullptr;
  std::unique_ptr<EditField> field_;
  TestParent parent_{200, 100, [this](HWND control, WORD code) {
                       if (field_ && control == edit_) field_->onCommand(code);
                     }};
};

TEST(Win32EditField, EveryWriteRaisesOneChangeBeforeItReturns) {
  ChangeCounter counter;
  struct Row {
    const char* name;
    const char* text;
  };
  const Row rows[] = {
      {"new text", "360"},
      {"the same text again", "360"},
      {"emptied", ""},
      {"empty again", ""},
      {"longer than typing may make it", "16777215"},
      {"non-ASCII", "\xC2\xB0\xC3\xA9"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const int before = counter.handled();
    counter.field().setText(row.text);
    EXPECT_EQ(counter.handled(), before + 1);
    EXPECT_EQ(counter.textSeen, row.text) << "the handler sees the new text";
    EXPECT_EQ(counter.field().text(), row.text);
  }
}

TEST(Win32EditField, TypingRaisesTheChangeOnceAndStopsAtTheMaximumLength) {
  ChangeCounter counter;
  counter.field().setText("");
  const int before = counter.handled();
  for (const wchar_t typed : std::wstring(L"1234")) SendMessageW(counter.edit(), WM_CHAR, typed, 0);
  EXPECT_EQ(counter.field().text(), "123");
  EXPECT_EQ(counter.handled(), before + kMaxLength) << "the refused fourth key changes nothing";
}

TEST(Win32EditField, APasteIsCutAtTheMaximumLengthAndChangesOnce) {
  ChangeCounter counter;
  counter.field().setText("");
  const int before = counter.handled();
  SendMessageW(counter.edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"12345"));
  EXPECT_EQ(counter.field().text(), "123");
  EXPECT_EQ(counter.handled(), before + 1);
  SendMessageW(counter.edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"9"));
  EXPECT_EQ(counter.field().text(), "123");
  EXPECT_EQ(counter.handled(), before + 1) << "a refused paste changes nothing";
}

TEST(Win32EditField, ReplacingASelectionByTheSameCharacterStillChanges) {
  ChangeCounter counter;
  counter.field().setText("123");
  const int before = counter.handled();
  SendMessageW(counter.edit(), EM_SETSEL, 0, 1);
  SendMessageW(counter.edit(), WM_CHAR, L'1', 0);
  EXPECT_EQ(counter.field().text(), "123");
  EXPECT_EQ(counter.handled(), before + 1);
}

TEST(Win32EditField, CaretPositionIsCountedInCharacters) {
  ChangeCounter counter;
  counter.field().setText(
      "\xC3\xA9\xC3\xA9"
      "1");  // two two-byte characters, then a digit
  counter.field().setSelStart(2);
  EXPECT_EQ(counter.field().selStart(), 2);
  counter.field().setSelStart(0);
  EXPECT_EQ(counter.field().selStart(), 0);
}

}  // namespace
}  // namespace tintwell::win32
