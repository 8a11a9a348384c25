// A dialog nested in a bare dialog, as the system's dialogs nest their
// panes: under the default skin the pane and the static texts on it take the
// skin's face colour, read back from the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_test_support.h"
#include "skin/data/skin_data.h"
#include "skin/form/engine_messages.h"

namespace {

using form_test::PumpUntil;

// A dialog template in memory: the header, then each item, DWORD-aligned.
class DialogTemplate {
public:
  DialogTemplate(DWORD style, short cx, short cy) {
    Put(LOWORD(style)), Put(HIWORD(style)), Put(0), Put(0);  // style, extended style
    count_ = words_.size();
    Put(0), Put(0), Put(0), Put(static_cast<WORD>(cx)), Put(static_cast<WORD>(cy));
    Put(0), Put(0), Put(0);  // no menu, the dialog class, no title
  }
  void AddStatic(const std::wstring& text, short x, short y, short cx, short cy) {
    if (words_.size() % 2) Put(0);
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFT;
    Put(LOWORD(style)), Put(HIWORD(style)), Put(0), Put(0);
    for (short v : {x, y, cx, cy}) Put(static_cast<WORD>(v));
    Put(static_cast<WORD>(-1)), Put(0xFFFF), Put(0x0082);  // id, the static class
    for (wchar_t c : text) Put(c);
    Put(0), Put(0);  // end of text, no creation data
    ++words_[count_];
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
  void Put(WORD w) { words_.push_back(w); }
  std::vector<WORD> words_;
  size_t count_ = 0;
};

INT_PTR CALLBACK PaneProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

INT_PTR CALLBACK OuterProc(HWND dialog, UINT msg, WPARAM, LPARAM param) {
  if (msg != WM_INITDIALOG) return FALSE;
  const auto* pane = reinterpret_cast<const DialogTemplate*>(param);
  CreateDialogIndirectParamW(nullptr, pane->Get(), dialog, PaneProc, 0);
  return TRUE;
}

bool Skinned(HWND window) { return SendMessageW(window, skin::kSkinnedQuery, 0, 0) == 1; }

class DialogPaneTest : public form_test::SkinnedTest {};

TEST_F(DialogPaneTest, APaneAndItsStaticTextsTakeTheSkinsFace) {
  const COLORREF face = host::ColourToRgb(data_->Elements().Colours.ButtonFace);
  ASSERT_NE(face, GetSysColor(COLOR_BTNFACE)) << "the default skin's face differs from the system's";
  DialogTemplate pane(WS_CHILD | WS_VISIBLE | DS_CONTROL, 150, 60);
  pane.AddStatic(L"On the pane", 5, 5, 120, 10);
  DialogTemplate outer(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 180, 90);
  HWND dialog = CreateDialogIndirectParamW(nullptr, outer.Get(), nullptr, OuterProc, reinterpret_cast<LPARAM>(&pane));
  ASSERT_NE(dialog, nullptr);
  SetForegroundWindow(dialog);
  HWND inner = FindWindowExW(dialog, nullptr, L"#32770", nullptr);
  ASSERT_NE(inner, nullptr);
  HWND text = GetWindow(inner, GW_CHILD);
  ASSERT_TRUE(PumpUntil([&] { return Skinned(dialog) && Skinned(inner); }));
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  const SIZE size = form_test::ClientSize(inner);
  EXPECT_TRUE(PumpUntil([&] { return form_test::ClientShot(inner).Pixel(size.cx - 3, size.cy - 3) == face; }));
  const SIZE text_size = form_test::ClientSize(text);
  EXPECT_TRUE(PumpUntil([&] { return form_test::ClientShot(text).Pixel(text_size.cx - 2, 1) == face; }))
      << "beside the static's text";
  DestroyWindow(dialog);
}

}  // namespace
