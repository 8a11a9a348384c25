// Push buttons, combo boxes, edits and spin buttons under the default skin:
// real windows on the virtual desktop, real mouse input, screen pixels.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "button_test_support.h"
#include "form_test_support.h"
#include "host/controls/button.h"
#include "host/controls/combobox.h"
#include "host/controls/listbox.h"
#include "host/controls/panel.h"
#include "host/graphics/canvas.h"
#include "host/graphics/graphic.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/edit.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skinner_factory.h"
#include "skin/controls/up_down.h"
#include "skin/draw/transparent.h"
#include "skin/form/engine_messages.h"
#include "test_skins.h"

namespace {

using buttons_test::MoveMouse;
using buttons_test::Press;
using buttons_test::Release;
using form_test::PumpUntil;
using skin::TDataSkinObject;

// The top-left and bottom-right corners (margin-sized) of `rect` in the shot
// show frame k of the element pixel for pixel; keyed pixels show `behind`.
bool ShowsFrame(const host::DibBitmap& shot, const RECT& rect, const TDataSkinObject& e, int k, COLORREF behind) {
  const int fw = e.Image.Width() / e.FrameCount, fh = e.Image.Height();
  for (int y = 0; y < e.TopHeight; ++y)
    for (int x = 0; x < e.LeftWidth; ++x) {
      const auto expect = [&](int sx, int sy, int dx, int dy) {
        COLORREF c = e.Image.Pixel(fw * (k - 1) + sx, sy);
        if (c == skin::kSkinColourKey) c = behind;
        return shot.Pixel(dx, dy) == c;
      };
      if (!expect(x, y, rect.left + x, rect.top + y)) return false;
      if (!expect(fw - 1 - x, fh - 1 - y, rect.right - 1 - x, rect.bottom - 1 - y)) return false;
    }
  return true;
}

bool Skinned(HWND window) { return SendMessageW(window, skin::kSkinnedQuery, 0, 0) == 1; }

LRESULT CALLBACK PanelProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_COMMAND && HIWORD(wparam) == BN_CLICKED)
    SetWindowLongPtrW(window, GWLP_USERDATA, GetWindowLongPtrW(window, GWLP_USERDATA) + LOWORD(wparam));
  return DefWindowProcW(window, msg, wparam, lparam);
}


// Test-only host controls with the published properties the skinners read.
class TTestGlyph : public host::TPersistent, public host::IGraphicPicture {
public:
  TTestGlyph() : picture_(16, 16) {
    picture_.GetCanvas().SetBrushColour(RGB(255, 0, 0));
    picture_.GetCanvas().FillRect({0, 0, 16, 16});
    picture_.SetPixel(0, 15, RGB(255, 255, 255));  // the key colour
  }
  const host::ClassInfo& Class() const override {
    static const host::ClassInfo info{"TBitmap", nullptr, {}};
    return info;
  }
  const host::DibBitmap& Picture() const override { return picture_; }

private:
  host::DibBitmap picture_;
};

class TTestBitBtn : public host::TButton {
public:
  using TButton::TButton;
  const host::ClassInfo& Class() const override {
    static const host::ClassInfo info{"TBitBtn", &TButton::Info(), {
        host::props::Object<&TTestBitBtn::Glyph>("Glyph"),
        host::props::Integer<&TTestBitBtn::Minus1, &TTestBitBtn::Set>("Margin"),
        host::props::Integer<&TTestBitBtn::Minus1, &TTestBitBtn::Set>("Spacing"),
    }};
    return info;
  }
  TTestGlyph* Glyph() const { return &glyph_; }
  int Minus1() const { return -1; }
  void Set(int) {}

private:
  mutable TTestGlyph glyph_;
};

class TTestSpeedButton : public host::TControl {
public:
  using TControl::TControl;
  const host::ClassInfo& Class() const override {
    static const host::ClassInfo info{"TSpeedButton", &TControl::Info(), {
        host::props::Boolean<&TTestSpeedButton::Flat, &TTestSpeedButton::SetFlat>("Flat"),
    }};
    return info;
  }
  bool Flat() const { return true; }
  void SetFlat(bool) {}
};

// Owned by a skinner, it goes exactly when the skinner goes.
class TProbe : public host::TComponent {
public:
  TProbe(host::TComponent* owner, bool& alive) : TComponent(owner), alive_(alive) { alive_ = true; }
  ~TProbe() override { alive_ = false; }

private:
  bool& alive_;
};

// What handlers that free their own control see; globals, because the
// handler's closure goes with the control.
bool g_probe = false, g_form_probe = false, g_probe_in_handler = false, g_form_probe_in_handler = false;
host::TButton* g_doomed_button = nullptr;
std::unique_ptr<form_test::TTestForm>* g_doomed_form = nullptr;
WNDPROC g_edit_previous = nullptr;

// Behind the combo skinner's edit hook: what the rest of that hook will find.
LRESULT CALLBACK EditSpy(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = CallWindowProcW(g_edit_previous, window, msg, wparam, lparam);
  if (msg == WM_CHAR && g_doomed_form && !*g_doomed_form) g_probe_in_handler = g_probe;
  return result;
}

class ControlsTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&init);
    MoveMouse({1010, 750});
    form_ = form_test::MakeForm(100, 100, 400, 260);
    button_ = new host::TButton(form_.get());
    button_->SetParent(form_.get());
    button_->SetBounds(10, 10, 100, 30);
    button_->SetCaption("Press");
    button_->SetOnClick([this](host::TComponent*) { ++clicks_; });
    other_ = new host::TButton(form_.get());
    other_->SetParent(form_.get());
    other_->SetBounds(120, 10, 100, 30);
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
    other_->SetFocus();
  }
  // A plain parent of bare controls, as a system dialog holds them.
  HWND Panel() {
    WNDCLASSW wc{0, PanelProc, 0, 0, GetModuleHandleW(nullptr), nullptr, LoadCursor(nullptr, IDC_ARROW),
                 GetSysColorBrush(COLOR_BTNFACE), nullptr, L"BrindleTestPanel"};
    RegisterClassW(&wc);
    return CreateWindowExW(0, L"BrindleTestPanel", L"", WS_CHILD | WS_VISIBLE, 0, 50, 400, 210,
                           form_->WindowHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  HWND Child(HWND parent, const wchar_t* cls, DWORD style, DWORD ex, RECT r, int id = 0) {
    return CreateWindowExW(ex, cls, L"Bare", WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right, r.bottom,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
  }
  skin::TSkinControl* SkinnerOf(HWND window) const {
    for (skin::TSkinControl* s : skinner_->FControls)
      if (s->Window() == window) return s;
    return nullptr;
  }
  const skin::SkinElements& Elements() const { return data_->Elements(); }
  COLORREF Face() const { return host::ColourToRgb(Elements().Colours.ButtonFace); }
  bool ButtonShows(HWND window, int frame) {
    return PumpUntil([&] {
      const host::DibBitmap shot = form_test::WindowShot(window);
      return ShowsFrame(shot, {0, 0, shot.Width(), shot.Height()}, *Elements().Buttons, frame, Face());
    });
  }

  std::unique_ptr<form_test::TTestForm> form_;
  host::TButton* button_ = nullptr;
  host::TButton* other_ = nullptr;
  skin::TSkinForm* skinner_ = nullptr;
  int clicks_ = 0;
};

TEST_F(ControlsTest, APushButtonShowsEachStateFrameAndClicksOnRelease) {
  HWND b = button_->Handle();
  ASSERT_TRUE(Skinned(b));
  EXPECT_TRUE(ButtonShows(b, 1));
  const POINT centre = buttons_test::ScreenCentre(b, {0, 0, 100, 30});
  MoveMouse(centre);
  EXPECT_TRUE(ButtonShows(b, 4));
  Press(centre);
  EXPECT_TRUE(ButtonShows(b, 2));
  Release(centre);
  EXPECT_TRUE(PumpUntil([&] { return clicks_ == 1; }));
  EXPECT_TRUE(ButtonShows(b, 4));

  // Pressed, dragged off and released outside: no click.
  Press(centre);
  MoveMouse({1010, 750});
  EXPECT_TRUE(ButtonShows(b, 5));  // focused by the press, no longer hot
  Release({1010, 750});
  form_test::Pump(100);
  EXPECT_EQ(clicks_, 1);

  button_->SetEnabled(false);
  EXPECT_TRUE(ButtonShows(b, 3));  // disabled wins over focused
  button_->SetEnabled(true);
  EXPECT_TRUE(ButtonShows(b, 1));  // disabling took the focus away
  SetFocus(b);
  EXPECT_TRUE(ButtonShows(b, 5));
  SetFocus(other_->Handle());
  EXPECT_TRUE(ButtonShows(b, 1));
}

TEST_F(ControlsTest, BareControlsOfADialogAreSkinnedAndWork) {
  HWND panel = Panel();
  HWND button = Child(panel, L"Button", BS_PUSHBUTTON, 0, {10, 10, 90, 28}, 7);
  HWND list = Child(panel, L"ComboBox", CBS_DROPDOWNLIST, 0, {110, 10, 120, 120});
  HWND drop = Child(panel, L"ComboBox", CBS_DROPDOWN, 0, {240, 10, 120, 120});
  HWND edit = Child(panel, L"Edit", 0, WS_EX_CLIENTEDGE, {10, 60, 120, 24});
  HWND spin_edit = Child(panel, L"Edit", 0, WS_EX_CLIENTEDGE, {150, 60, 120, 24});
  HWND spin = Child(spin_edit, UPDOWN_CLASSW, 0, 0, {100, 0, 16, 20});
  SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
  skinner_->DiscoverWindows(panel);
  for (HWND w : {button, list, drop, edit, spin_edit}) EXPECT_TRUE(Skinned(w));
  EXPECT_TRUE(PumpUntil([&] { return Skinned(spin); }));  // found by its edit when the edit paints

  // A real click posts the button's id to its parent.
  const POINT centre = buttons_test::ScreenCentre(button, {0, 0, 90, 28});
  buttons_test::Click(centre);
  EXPECT_TRUE(PumpUntil([&] { return GetWindowLongPtrW(panel, GWLP_USERDATA) == 7; }));
  EXPECT_TRUE(ButtonShows(button, 4));

  // The edit's border: shadow, then two white lines.
  RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  const COLORREF shadow = host::ColourToRgb(Elements().Colours.ButtonShadow);
  EXPECT_TRUE(PumpUntil([&] {
    const host::DibBitmap s = form_test::WindowShot(edit);
    return s.Pixel(0, 0) == shadow && s.Pixel(1, 1) == RGB(255, 255, 255) && s.Pixel(2, 12) == RGB(255, 255, 255) &&
           s.Pixel(119, 23) == shadow;
  }));

  // The spin button shows its strip's first frames, inside the edit's border.
  const TDataSkinObject& vert = *Elements().UpDownVert;
  const RECT spin_at = form_test::WindowRect(spin), edit_at = form_test::WindowRect(spin_edit);
  const int inset = std::max(0, 3 - static_cast<int>(spin_at.top - edit_at.top));
  const COLORREF up = vert.Image.Pixel(0, 0) == skin::kSkinColourKey ? Face() : vert.Image.Pixel(0, 0);
  RedrawWindow(spin, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(PumpUntil([&] { return form_test::WindowShot(spin).Pixel(0, inset) == up; }));

  // A real click on the drop button opens the list.
  const RECT combo = form_test::WindowRect(list);
  EXPECT_TRUE(PumpUntil([&] {
    const host::DibBitmap s = form_test::WindowShot(list);
    return ShowsFrame(s, {0, 0, s.Width(), s.Height()}, *Elements().ComboButton, 1, Face()) ||
           ShowsFrame(s, {0, 0, s.Width(), s.Height()}, *Elements().ComboButton, 4, Face());
  }));
  buttons_test::Click({combo.right - 8, (combo.top + combo.bottom) / 2});
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ControlsTest, AGlyphIsPlacedByMarginAndGreyedWhenDisabled) {
  auto* bit = new TTestBitBtn(form_.get());
  bit->SetParent(form_.get());
  bit->SetBounds(240, 10, 75, 25);
  bit->SetCaption("");
  ASSERT_TRUE(skin::MakeSkinner({skin::TSkinnerClass::BitButton, bit}, *skinner_));
  // No text: Spacing 0, Margin (75 - 16) div 2 = 29; y (25 - 16 + 1) div 2 = 5.
  EXPECT_TRUE(PumpUntil([&] {
    const host::DibBitmap s = form_test::WindowShot(bit->Handle());
    return s.Pixel(29, 12) == RGB(255, 0, 0) && s.Pixel(44, 5) == RGB(255, 0, 0) && s.Pixel(28, 12) != RGB(255, 0, 0);
  }));
  // The glyph's key pixel leaves the button's face showing.
  EXPECT_NE(form_test::WindowShot(bit->Handle()).Pixel(29, 20), RGB(255, 255, 255));
  EXPECT_EQ(form_test::WindowShot(bit->Handle()).Pixel(29, 20), form_test::WindowShot(bit->Handle()).Pixel(27, 20));
  bit->SetEnabled(false);  // one glyph only: the disabled look is glyph 1 in grey
  EXPECT_TRUE(PumpUntil([&] { return form_test::WindowShot(bit->Handle()).Pixel(36, 12) == RGB(85, 85, 85); }));
}

TEST_F(ControlsTest, AWindowlessFlatSpeedButtonShowsItsSkinOnlyWhileHot) {
  auto* speed = new TTestSpeedButton(form_.get());
  speed->SetParent(form_.get());
  speed->SetBounds(240, 10, 80, 30);
  ASSERT_TRUE(skin::MakeSkinner({skin::TSkinnerClass::SpeedButton, speed}, *skinner_));
  form_test::Pump(100);
  const RECT at{240, 10, 320, 40};
  const auto shows = [&](int frame) {
    const host::DibBitmap s = form_test::WindowShot(form_->WindowHandle());
    const POINT origin = buttons_test::OnScreen(form_->WindowHandle(), 0, 0);
    POINT client{0, 0};
    ClientToScreen(form_->WindowHandle(), &client);
    RECT r = at;
    OffsetRect(&r, client.x - origin.x, client.y - origin.y);
    return ShowsFrame(s, r, *Elements().Buttons, frame, Face());
  };
  // Painted straight into the form: nothing of the form's own is pending.
  speed->Perform(host::CM_MOUSEENTER);
  EXPECT_TRUE(PumpUntil([&] { return shows(4); }));
  speed->Perform(host::CM_MOUSELEAVE);
  EXPECT_TRUE(PumpUntil([&] { return !shows(4); }));
  EXPECT_FALSE(shows(1));  // flat: only the face behind it
}

TEST_F(ControlsTest, AButtonFreedByItsOwnClickKeepsItsSkinnerUntilTheClickIsDone) {
  new TProbe(SkinnerOf(button_->Handle()), g_probe);
  g_doomed_button = button_;
  button_->SetOnClick([](host::TComponent*) {
    delete std::exchange(g_doomed_button, nullptr);
    g_probe_in_handler = g_probe;
  });
  buttons_test::Click(buttons_test::ScreenCentre(button_->WindowHandle(), {0, 0, 100, 30}));
  ASSERT_TRUE(PumpUntil([] { return !g_doomed_button; }));
  EXPECT_TRUE(g_probe_in_handler);
  EXPECT_FALSE(g_probe);  // gone once the click was done
}

TEST_F(ControlsTest, AFormFreedWhileTypingInItsComboKeepsItsSkinnersUntilTheirHandlersAreDone) {
  auto* combo = new host::TComboBox(form_.get());
  combo->SetParent(form_.get());
  combo->SetBounds(10, 60, 150, 24);
  HWND edit = GetTopWindow(combo->Handle());
  g_edit_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditSpy)));
  new TProbe(skin::MakeSkinner({skin::TSkinnerClass::ComBox, combo}, *skinner_), g_probe);
  new TProbe(skinner_, g_form_probe);
  g_doomed_form = &form_;
  combo->SetOnChange([](host::TComponent*) {
    g_doomed_form->reset();
    g_form_probe_in_handler = g_form_probe;
  });
  SetFocus(edit);
  buttons_test::Keys({'A'});
  ASSERT_TRUE(PumpUntil([this] { return !form_; }));
  EXPECT_TRUE(g_form_probe_in_handler);  // the form skinner ran the command
  EXPECT_TRUE(g_probe_in_handler);       // the combo skinner's edit hook ran the key
  EXPECT_FALSE(g_probe || g_form_probe);
  g_doomed_form = nullptr;
}

TEST_F(ControlsTest, ASpinButtonMadeAfterTheFirstOneWentIsSkinnedToo) {
  HWND edit = Child(Panel(), L"Edit", 0, WS_EX_CLIENTEDGE, {150, 60, 120, 24});
  HWND spin = Child(edit, UPDOWN_CLASSW, 0, 0, {100, 0, 16, 20});
  skinner_->DiscoverWindows(GetParent(edit));
  ASSERT_TRUE(PumpUntil([&] { return Skinned(spin); }));
  DestroyWindow(spin);
  spin = Child(edit, UPDOWN_CLASSW, 0, 0, {100, 0, 16, 20});
  RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_TRUE(PumpUntil([&] { return Skinned(spin); }));
  EXPECT_EQ(static_cast<skin::TSkinEdit*>(SkinnerOf(edit))->UpDown(), SkinnerOf(spin));
}

TEST_F(ControlsTest, AHostControlSkinnedAsABareWindowGetsNoSecondSkinner) {
  auto* button = new host::TButton(form_.get());
  button->SetParent(form_.get());
  skinner_->DiscoverWindow(button->Handle());
  ASSERT_TRUE(Skinned(button->WindowHandle()));
  skinner_->DiscoverForm(*form_);
  EXPECT_EQ(std::count_if(skinner_->FControls.begin(), skinner_->FControls.end(),
                          [&](skin::TSkinControl* s) { return s->Window() == button->WindowHandle(); }), 1);
}

TEST_F(ControlsTest, ListsInsideAnEmbedScrollbarControlGetBarsWithoutABorder) {
  data_->SetSkin3rd({"TPanel=embedscrollbar"});
  auto* panel = new host::TPanel(form_.get());
  panel->SetParent(form_.get());
  panel->SetBounds(10, 60, 150, 150);
  auto* inner = new host::TListBox(form_.get());
  inner->SetParent(panel);
  inner->SetBounds(5, 5, 100, 100);
  auto* outer = new host::TListBox(form_.get());
  outer->SetParent(form_.get());
  outer->SetBounds(200, 60, 100, 100);
  skinner_->DiscoverForm(*form_);
  const auto* in = dynamic_cast<skin::TSkinScrollbar*>(SkinnerOf(inner->Handle()));
  const auto* out = dynamic_cast<skin::TSkinScrollbar*>(SkinnerOf(outer->Handle()));
  ASSERT_TRUE(in && out);
  EXPECT_FALSE(in->DrawBorder);
  EXPECT_TRUE(out->DrawBorder);
}

TEST_F(ControlsTest, AComposedComboCopiesItsButtonAtNaturalSizeUnderAnOpaqueArrow) {
  // No sunken edge, so no whole-combo picture: the button and arrow are drawn apart.
  constexpr COLORREF kButton = RGB(10, 200, 30);
  data_test::TestSkin skin{"[ComboButton]\nImage=button.bmp\n[ExtraImages]\nImage=arrow.bmp\nTrans=1\n"};
  skin.Picture("button.bmp", data_test::Bmp(40, 12, [](int x, int y) { return x % 10 || y ? kButton : skin::kSkinColourKey; }))
      .Picture("arrow.bmp", data_test::SolidBmp(20, 2, skin::kSkinColourKey));
  data_test::Load(*data_, skin);
  HWND combo = Child(Panel(), L"ComboBox", CBS_DROPDOWNLIST, 0, {10, 10, 120, 120});
  skinner_->DiscoverWindows(GetParent(combo));
  const RECT r = form_test::WindowRect(combo);
  const int box = r.right - r.left - GetSystemMetrics(SM_CXHSCROLL) - 2, height = r.bottom - r.top;
  EXPECT_TRUE(PumpUntil([&] {
    const host::DibBitmap s = form_test::WindowShot(combo);
    return s.Pixel(box + 1, 0) == kButton && s.Pixel(box, 0) != skin::kSkinColourKey &&  // keyed
           s.Pixel(box + 1, 12) != kButton && s.Pixel(box + 10, 1) != kButton &&         // natural size
           s.Pixel(box + (s.Width() - 2 - box) / 2, height / 2) == skin::kSkinColourKey;  // opaque arrow
  }));
}

}  // namespace
