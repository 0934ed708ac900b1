#ifdef _WIN32

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/layout.h"
#include "win32/controls.h"
#include "win32/text.h"

namespace tintwell::win32 {
namespace {

constexpr int kFieldIndex = kRedField;
constexpr int kFieldId = layout::txtInpId(kFieldIndex);
constexpr int kMaxLength = 3;

// A parent that handles EN_CHANGE as the main window does, and counts who
// raised each change: the platform's notification or the field itself.
class ChangeCounter final : public FieldEvents {
 public:
  ChangeCounter() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &ChangeCounter::windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    parent_ = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                              windowClass.hInstance, this);
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 41, 19,
                            parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFieldId)),
                            windowClass.hInstance, nullptr);
    SendMessageW(edit_, EM_LIMITTEXT, kMaxLength, 0);
    field_ = std::make_unique<EditField>(edit_, kFieldIndex, *this);
  }
  ~ChangeCounter() { DestroyWindow(parent_); }
  ChangeCounter(const ChangeCounter&) = delete;
  ChangeCounter& operator=(const ChangeCounter&) = delete;

  EditField& field() { return *field_; }
  HWND edit() const { return edit_; }
  int handled() const { return notified + raised; }

  int notified = 0;  // EN_CHANGE from the platform, as the window takes it
  int raised = 0;    // raised by the field for a silent write
  std::string textSeen;

 private:
  static constexpr const wchar_t* kClassName = L"TintwellEditFieldTest";

  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<ChangeCounter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && self->field_ && message == WM_COMMAND && LOWORD(wParam) == kFieldId) {
      if (HIWORD(wParam) == EN_MAXTEXT) self->field_->noteRefusedInput();
      if (HIWORD(wParam) == EN_CHANGE && self->field_->acceptChange()) {
        ++self->notified;
        self->textSeen = self->field_->text();
      }
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void fieldChanged(int index) override {
    EXPECT_EQ(index, kFieldIndex);
    ++raised;
    textSeen = field_->text();
  }

  HWND parent_ = nullptr;
  HWND edit_ = nullptr;
  std::unique_ptr<EditField> field_;
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

#endif  // _WIN32
