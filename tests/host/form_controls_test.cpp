// The host's form controls as real windows: what a skinner reads by name,
// the window styles, and behaviour under real mouse input.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "host/app/application.h"
#include "host/controls/bitbtn.h"
#include "host/controls/combobox.h"
#include "host/controls/edit.h"
#include "host/controls/form.h"
#include "host/controls/memo.h"
#include "host/controls/menu_button.h"
#include "host/controls/panel.h"
#include "host/controls/scrollbar.h"
#include "host/controls/speed_button.h"
#include "host/controls/spin_edit.h"
#include "host/controls/status_bar.h"
#include "host/controls/updown.h"
#include "host/menus/popup_menu.h"
#include "host/stream/form_reader.h"

using namespace host;

namespace {

// The stored form of a few controls; the glyph is a 2 x 1 picture, red then green.
constexpr char kStored[] = R"(object Root: TForm
  ClientWidth = 300
  ClientHeight = 200
  object Number: TEdit
    Text = '5'
  end
  object Arrows: TUpDown
    Associate = 'Number'
    Max = 9
  end
  object Choices: TPopupMenu
  end
  object Drop: TMenuButton
    DropDownMenu = 'Choices'
  end
  object WithGlyph: TBitBtn
    Glyph.Data = {
      3E000000424D3E0000000000000036000000280000000200000001000000010018000000000008000000000000000000000000000000000000000000FF00FF000000}
    NumGlyphs = 2
    Layout = blGlyphTop
  end
  object Notes: TMemo
    ScrollBars = ssBoth
    Lines = ('one' 'two' 'three')
  end
  object Pick: TComboBox
    Style = csDropDownList
    Items = ('a' 'b')
    ItemIndex = 1
  end
end
)";

class FormControlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application().Initialize();
    ParkMouse();
    form = new TForm(&owner);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(100, 100, 300, 200);
  }
  template <class T>
  T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    auto* c = new T(form);
    c->SetBounds(left, top, width, height);
    c->SetParent(parent ? parent : form);
    return c;
  }
  void ShowForm() {
    form->Show();
    SetForegroundWindow(form->WindowHandle());
    Pump(100);
  }
  static void Pump(int ms, const std::function<bool()>& done = {}) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
    while (GetTickCount64() < end && !(done && done())) {
      Application().ProcessMessages();
      Sleep(5);
    }
  }
  // Real input, at a point in the form's client area.
  static void Mouse(POINT client, DWORD flags, HWND window) {
    ClientToScreen(window, &client);
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in{INPUT_MOUSE};
    in.mi.dx = client.x * 65535 / w;
    in.mi.dy = client.y * 65535 / h;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &in, sizeof(in));
    Pump(60);
  }
  // Far from where the tests put their windows.
  static void ParkMouse() {
    INPUT in{INPUT_MOUSE};
    in.mi.dx = in.mi.dy = 60000;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
    Pump(30);
  }
  void Move(POINT p) { Mouse(p, 0, form->WindowHandle()); }
  void Click(POINT p, HWND window = nullptr) {
    Mouse(p, MOUSEEVENTF_LEFTDOWN, window ? window : form->WindowHandle());
    Mouse(p, MOUSEEVENTF_LEFTUP, window ? window : form->WindowHandle());
  }
  // The messages a control's slot sees, recorded in front of its own handling.
  static std::vector<UINT>& Record(TControl& c, std::vector<UINT>& seen) {
    c.WindowProc = [&c, &seen, own = c.WindowProc](TMessage& m) {
      if (m.Msg >= 0xB000 && m.Msg < 0xB100) seen.push_back(m.Msg);
      own(m);
    };
    return seen;
  }
  // Enter and leave come in pairs, enter first, and the mouse ended outside.
  static bool Paired(const std::vector<UINT>& seen) {
    for (size_t i = 0; i < seen.size(); ++i)
      if (seen[i] != (i % 2 ? CM_MOUSELEAVE : CM_MOUSEENTER)) return false;
    return !seen.empty() && seen.size() % 2 == 0;
  }
  static COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    HDC dc = GetDC(nullptr);
    const COLORREF c = GetPixel(dc, p.x, p.y);
    ReleaseDC(nullptr, dc);
    return c;
  }
  static DWORD Style(HWND w) { return static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)); }
  static DWORD ExStyle(HWND w) { return static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE)); }

  TComponent owner{nullptr};
  TForm* form = nullptr;
};

TEST_F(FormControlsTest, PropertiesASkinnerReadsByName) {
  auto* edit = Add<TEdit>(0, 0, 100, 21);
  auto* panel = Add<TPanel>(0, 30, 100, 40);
  auto* bit = Add<TBitBtn>(0, 80, 80, 25);
  auto* speed = Add<TSpeedButton>(0, 0, 23, 22, panel);
  auto* bar = Add<TScrollBar>(0, 110, 100, 17);
  auto* spin = Add<TSpinEdit>(0, 140, 80, 22);
  form->Handle();
  EXPECT_EQ(GetEnumProp(*edit, "BorderStyle"), "bsSingle");
  EXPECT_EQ(GetBoolProp(*edit, "ReadOnly"), false);
  EXPECT_EQ(GetBoolProp(*edit, "DoubleBuffered"), false);
  EXPECT_TRUE(SetPropValue(*edit, "DoubleBuffered", Ident{"True"}));
  EXPECT_TRUE(edit->DoubleBuffered());
  EXPECT_EQ(GetBoolProp(*panel, "ParentBackground"), true);
  EXPECT_EQ(GetBoolProp(*panel, "Transparent"), false);
  EXPECT_EQ(GetEnumProp(*panel, "BevelOuter"), "bvRaised");
  EXPECT_TRUE(dynamic_cast<TBitmap*>(GetObjectProp(*bit, "Glyph")));
  EXPECT_EQ(GetIntProp(*bit, "NumGlyphs"), 1);
  EXPECT_EQ(GetEnumProp(*bit, "Layout"), "blGlyphLeft");
  EXPECT_EQ(GetIntProp(*bit, "Margin"), -1);
  EXPECT_EQ(GetIntProp(*bit, "Spacing"), 4);
  EXPECT_EQ(GetEnumProp(*bit, "Kind"), "bkCustom");
  EXPECT_TRUE(dynamic_cast<TBitmap*>(GetObjectProp(*speed, "Glyph")));
  EXPECT_EQ(GetBoolProp(*speed, "Flat"), false);
  EXPECT_EQ(GetBoolProp(*speed, "Down"), false);
  EXPECT_EQ(GetEnumProp(*bar, "Kind"), "sbHorizontal");
  EXPECT_TRUE(SetPropValue(*edit, "Text", std::string("typed")));
  EXPECT_EQ(GetTextProp(*edit, "Text"), "typed");

  // The spin edit's up-down is a child window of the edit.
  wchar_t cls[32] = {};
  GetClassNameW(GetTopWindow(spin->WindowHandle()), cls, 32);
  EXPECT_STREQ(cls, L"msctls_updown32");
  EXPECT_EQ(ExStyle(edit->WindowHandle()) & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
  edit->SetBorderStyle(bsNone);
  EXPECT_EQ(ExStyle(edit->WindowHandle()) & WS_EX_CLIENTEDGE, 0u);
}

TEST_F(FormControlsTest, AStoredFormNamesReferencesGlyphsAndLists) {
  delete form;
  form = nullptr;
  auto* root = new TForm(&owner);
  ReadComponent(*root, ParseStoredForm(kStored));
  root->Handle();
  auto* arrows = dynamic_cast<TUpDown*>(root->FindComponent("Arrows"));
  auto* number = dynamic_cast<TEdit*>(root->FindComponent("Number"));
  ASSERT_TRUE(arrows && number);
  EXPECT_EQ(arrows->Associate(), number);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(arrows->WindowHandle(), UDM_GETBUDDY, 0, 0)), number->WindowHandle());
  auto* drop = dynamic_cast<TMenuButton*>(root->FindComponent("Drop"));
  EXPECT_EQ(drop->DropDownMenu(), root->FindComponent("Choices"));
  EXPECT_EQ(GetTextProp(*drop, "DropDownMenu"), "Choices");

  auto* glyph = dynamic_cast<TBitmap*>(GetObjectProp(*root->FindComponent("WithGlyph"), "Glyph"));
  ASSERT_TRUE(glyph);
  EXPECT_EQ(glyph->Width(), 2);
  EXPECT_EQ(glyph->TransparentColor(), RGB(255, 0, 0));  // bottom-left pixel
  EXPECT_EQ(GetEnumProp(*root->FindComponent("WithGlyph"), "Layout"), "blGlyphTop");

  auto* notes = dynamic_cast<TMemo*>(root->FindComponent("Notes"));
  EXPECT_EQ(notes->Lines(), (StringList{"one", "two", "three"}));
  const DWORD memo = Style(notes->WindowHandle());
  EXPECT_EQ(memo & (ES_MULTILINE | WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL),
            static_cast<DWORD>(ES_MULTILINE | WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL));
  auto* pick = dynamic_cast<TComboBox*>(root->FindComponent("Pick"));
  EXPECT_EQ(Style(pick->WindowHandle()) & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
  EXPECT_EQ(pick->ItemIndex(), 1);
  EXPECT_EQ(pick->Text(), "b");
}

// The parent paints a windowless control through its slot, clipped to it
// and with the control's top-left as the origin.
TEST_F(FormControlsTest, SpeedButtonIsPaintedByItsParentAndClickedByTheMouse) {
  auto* panel = Add<TPanel>(10, 10, 200, 60);
  auto* speed = Add<TSpeedButton>(40, 20, 30, 24, panel);
  speed->WindowProc = [own = speed->WindowProc](TMessage& m) {
    if (m.Msg != WM_PAINT) return own(m);
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    const RECT all{-100, -100, 400, 400}, corner{0, 0, 4, 4};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(dc, &corner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  };
  int clicks = 0;
  speed->OnClick = [&](TComponent*) { ++clicks; };
  std::vector<UINT> seen;
  Record(*speed, seen);
  ShowForm();
  seen.clear();
  HWND p = panel->WindowHandle();
  EXPECT_EQ(ScreenPixel(p, 40, 20), RGB(255, 255, 255));
  EXPECT_EQ(ScreenPixel(p, 45, 30), RGB(0, 0, 0));
  EXPECT_NE(ScreenPixel(p, 39, 19), RGB(0, 0, 0));
  EXPECT_NE(ScreenPixel(p, 70, 44), RGB(0, 0, 0));

  Move({250, 150});
  Mouse({55, 30}, 0, p);
  EXPECT_TRUE(speed->Hot());
  Click({55, 30}, p);
  EXPECT_EQ(clicks, 1);
  Mouse({55, 30}, MOUSEEVENTF_LEFTDOWN, p);
  Mouse({150, 50}, 0, p);  // released away from the button: no click
  Mouse({150, 50}, MOUSEEVENTF_LEFTUP, p);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(speed->Hot());
  EXPECT_TRUE(Paired(seen)) << testing::PrintToString(seen);
}

TEST_F(FormControlsTest, SpeedButtonsOfAGroupLetEachOtherUp) {
  auto* a = Add<TSpeedButton>(10, 10, 30, 24, nullptr);
  auto* b = Add<TSpeedButton>(50, 10, 30, 24, nullptr);
  for (TSpeedButton* s : {a, b}) s->SetGroupIndex(1);
  a->SetDown(true);
  ShowForm();
  Click({65, 20});
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  Click({65, 20});  // without AllowAllUp the down button stays down
  EXPECT_TRUE(b->Down());
}

TEST_F(FormControlsTest, WindowedControlsTellMouseAndFocusThroughTheSlot) {
  auto* first = Add<TEdit>(10, 10, 100, 21);
  auto* second = Add<TEdit>(10, 50, 100, 21);
  std::vector<UINT> seen;
  Record(*first, seen);
  ShowForm();
  seen.clear();
  Move({200, 150});
  Move({50, 20});
  Move({200, 150});
  Pump(600);  // Wine looks for a mouse that left once per hover time
  EXPECT_TRUE(Paired(seen)) << testing::PrintToString(seen);
  seen.clear();
  second->SetFocus();
  EXPECT_EQ(seen, std::vector<UINT>{CM_FOCUSCHANGED});
}

TEST_F(FormControlsTest, UpDownsStepTheirEditsNumber) {
  auto* number = Add<TEdit>(10, 10, 60, 21);
  number->SetText("5");
  auto* arrows = Add<TUpDown>(70, 10, 17, 21);
  arrows->SetAssociate(number);
  arrows->SetMax(9);
  arrows->SetPosition(5);
  auto* spin = Add<TSpinEdit>(10, 50, 80, 22);
  spin->SetValue(25);
  ShowForm();
  RECT r;
  GetClientRect(arrows->WindowHandle(), &r);
  Click({r.right / 2, 3}, arrows->WindowHandle());
  EXPECT_EQ(number->Text(), "6");
  EXPECT_EQ(arrows->Position(), 6);

  HWND inner = spin->UpDownHandle();
  GetClientRect(inner, &r);
  Click({r.right / 2, r.bottom - 3}, inner);
  EXPECT_EQ(spin->Value(), 24);
  spin->SetValue(1000);
  EXPECT_EQ(spin->Text(), "100");  // kept within the range
}

TEST_F(FormControlsTest, ScrollBarFollowsItsScrollNotifications) {
  auto* bar = Add<TScrollBar>(10, 10, 200, 17);
  bar->SetMax(100);
  bar->SetPageSize(10);
  bar->SetLargeChange(10);
  int changes = 0;
  bar->OnChange = [&](TComponent*) { ++changes; };
  ShowForm();
  HWND w = bar->WindowHandle();
  // What the bar's own scroll loop sends its parent for an arrow and a track click.
  SendMessageW(GetParent(w), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(w));
  EXPECT_EQ(bar->Position(), 1);
  SendMessageW(GetParent(w), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(w));
  EXPECT_EQ(bar->Position(), 11);
  EXPECT_EQ(changes, 2);
  SCROLLINFO si{sizeof(si), SIF_POS};
  GetScrollInfo(w, SB_CTL, &si);
  EXPECT_EQ(si.nPos, 11);
  bar->SetPosition(500);
  EXPECT_EQ(bar->Position(), 91);  // Max - PageSize + 1
}

TEST_F(FormControlsTest, StatusBarHoldsItsPanelsAtTheBottomAndDrawsOwnerDrawnOnes) {
  auto* bar = Add<TStatusBar>(0, 0, 300, 20);
  TStatusPanel& centred = bar->Panels()->AddItem();
  centred.SetAlignment(TAlignment::taCenter);
  centred.SetText("Mid");
  bar->Panels()->AddItem().SetStyle(psOwnerDraw);
  std::vector<RECT> drawn;
  bar->OnDrawPanel = [&](TStatusBar* sender, TStatusPanel* panel, const RECT& r) {
    EXPECT_NE(sender->GetCanvas().Handle(), nullptr);
    EXPECT_EQ(panel->Index(), 1);
    drawn.push_back(r);
  };
  ShowForm();
  HWND w = bar->WindowHandle();
  EXPECT_EQ(SendMessageW(w, SB_GETPARTS, 0, 0), 2);
  wchar_t text[16]{};
  SendMessageW(w, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"\tMid");  // the system centres after one tab
  EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) & SBARS_SIZEGRIP, SBARS_SIZEGRIP);
  Pump(500, [&] { return !drawn.empty(); });
  EXPECT_FALSE(drawn.empty()) << "the owner-drawn panel is drawn through the event";

  RECT client;
  GetClientRect(form->WindowHandle(), &client);
  EXPECT_EQ(bar->BoundsRect().bottom, client.bottom);
  form->SetBounds(100, 100, 360, 260);
  Pump(300, [&] { return bar->BoundsRect().bottom == 260; });
  EXPECT_EQ(bar->BoundsRect().bottom, 260);
  EXPECT_EQ(bar->Width(), 360);
}

}  // namespace
