// The skinned menu bar: its items read from the window's menu (and the host
// menu behind it), their placement in the band, and the painting of the bar
// and of one item.
#include "skin/form/menu_bar.h"

#include "host/core/colour.h"
#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "host/menus/menu.h"
#include "skin/data/skin_data.h"
#include "skin/draw/scratch_bitmap.h"
#include "skin/draw/single_frame.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/strip.h"
#include "skin/draw/text.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace skin {
namespace {

constexpr int kTextBuffer = 80;

bool IsNt5OrLater() {
  const DWORD version = GetVersion();
  return (version & 0x80000000u) == 0 && LOBYTE(LOWORD(version)) >= 5;
}

host::Font PlainMenuFont() {
  LOGFONTW font = host::MenuFontInfo();
  font.lfWeight = FW_NORMAL;
  font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
  return host::Font(CreateFontIndirectW(&font));
}

// The element only counts when it has a picture; without one the bar is plain.
const TDataSkinObject* BarElement(const TSkinData& data) {
  const TDataSkinObject* e = data.Elements().MenuBar.get();
  return e && !e->Image.Empty() ? e : nullptr;
}

COLORREF TextColour(const TSkinData& data, bool enabled) {
  const SkinColours& c = data.Elements().Colours;
  return host::ColourToRgb(enabled ? c.MenuBarText : c.ButtonShadow);
}

HMENU PopupOf(host::TMenuItem& item) { return item.Count() > 0 ? item.Handle() : nullptr; }

}  // namespace

int MenuBarItemWidth(HDC dc, const std::wstring& caption) {
  if (caption.empty()) return 0;
  RECT r{0, 0, 0, 0};
  DrawTextAW(dc, caption, r, DT_CALCRECT | DT_NOCLIP);
  return (r.right - r.left) + 10;
}

void DrawMenuBarCaption(HDC dc, const std::wstring& caption, const RECT& rect) {
  RECT m = rect;
  DrawTextAW(dc, caption, m, DT_CENTER | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
  const int mw = m.right - m.left, mh = m.bottom - m.top;
  const int left = rect.left + ((rect.right - rect.left) - mw) / 2;
  const int top = rect.top + ((rect.bottom - rect.top) - mh) / 2;
  RECT at{left, top, left + mw, top + mh};
  DrawTextAW(dc, caption, at, DT_CENTER | DT_EXPANDTABS | DT_SINGLELINE);
}

void TMenuBtn::Paint() {
  const TSkinMenuBar* bar = form_.FMenuBar.get();
  if (!bar || bar->Background.Empty()) return;
  const host::WindowDc dc(form_.FHandle, true);
  if (!dc) return;
  const host::SavedDc saved(dc);
  const RECT& b = Bounds;
  const RECT& r = bar->BarRect;
  BitBlt(dc, b.left, r.top, b.right - b.left, r.bottom - r.top, bar->Background.Dc(), b.left - r.left, 0, SRCCOPY);
  if (State == stPressed || State == stHot) {
    const host::Brush frame(CreateSolidBrush(host::ColourToRgb(SkinData->Elements().Colours.ButtonHilight)));
    ::FrameRect(dc, &b, frame);
  }
  const host::Font font = PlainMenuFont();
  const host::Selection select(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColour(*SkinData, Enabled));
  DrawMenuBarCaption(dc, Caption, b);
}

TSkinMenuBar::TSkinMenuBar(TSkinForm& form, TSkinData& data) : host::TComponent(nullptr), SkinData(&data), Form(form) {}

TSkinMenuBar::~TSkinMenuBar() { FreeItems(); }

void TSkinMenuBar::FreeItems() {
  for (const auto& item : Items)
    if (Form.FHotObject == item.get()) Form.FHotObject = nullptr;
  Items.clear();
}

TMenuBtn* TSkinMenuBar::Item(int index) const {
  return index >= 0 && index < ItemCount() ? Items[static_cast<std::size_t>(index)].get() : nullptr;
}

bool TSkinMenuBar::RightToLeft() const { return HostMenu && HostMenu->IsRightToLeft(); }

bool TSkinMenuBar::TakeWindowMenu() {
  if (HMENU menu = GetMenu(Form.FHandle)) MenuHandle = menu;
  if (!MenuHandle) return false;
  // The items of the bar's submenus are the form's to measure and draw.
  Form.FMenuHandle = MenuHandle;
  if (Form.FHostForm) {
    HostMenu = Form.FHostForm->Menu();
    if (!HostMenu) return false;
  }
  return true;
}

void TSkinMenuBar::ReadWin32Items() {
  FreeItems();
  const int count = GetMenuItemCount(MenuHandle);
  for (int i = 0; i < count; ++i) {
    wchar_t text[kTextBuffer] = {};
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
    info.dwTypeData = text;
    info.cch = kTextBuffer;
    GetMenuItemInfoW(MenuHandle, static_cast<UINT>(i), TRUE, &info);
    auto item = std::make_unique<TMenuBtn>(Form, *SkinData, i);
    item->Visible = true;
    item->Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    item->Command = info.wID;
    item->Submenu = info.hSubMenu;
    if (!(info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW))) item->Caption = WideFromBuffer(text, -1);
    Items.push_back(std::move(item));
  }
}

void TSkinMenuBar::BuildItems() {
  if (!IsNt5OrLater()) {
    BuildItemsFromHostMenu();
    return;
  }
  if (!TakeWindowMenu()) return;
  ReadWin32Items();
  if (HostMenu)
    for (const auto& item : Items)
      if (host::TMenuItem* found = HostMenu->FindItem(item->Command, host::TMenu::FindKind::Command)) {
        item->Caption = host::Widen(found->Caption());
        item->Enabled = found->Enabled();
        item->MenuItem = found;
        item->Submenu = PopupOf(*found);
      }
  Layout();
  SetMenu(Form.FHandle, nullptr);
}

void TSkinMenuBar::BuildItemsFromHostMenu() {
  if (!TakeWindowMenu() || !HostMenu) return;
  FreeItems();
  host::TMenuItem& root = HostMenu->Items();
  for (int i = 0; i < root.Count(); ++i) {
    host::TMenuItem& host_item = root.Items(i);
    auto item = std::make_unique<TMenuBtn>(Form, *SkinData, i);
    item->Visible = host_item.Visible();
    item->Enabled = host_item.Enabled();
    item->Command = host_item.Command();
    item->Caption = host::Widen(host_item.Caption());
    item->MenuItem = &host_item;
    item->Submenu = PopupOf(host_item);
    Items.push_back(std::move(item));
  }
  Layout();
  SetMenu(Form.FHandle, nullptr);
}

void TSkinMenuBar::RebuildItems() {
  if (!TakeWindowMenu()) return;
  ReadWin32Items();
  if (HostMenu)
    for (const auto& item : Items) {
      if (item->Caption.empty()) continue;
      if (host::TMenuItem* found = HostMenu->FindItem(item->Command, host::TMenu::FindKind::Command)) {
        item->Caption = host::Widen(found->Caption());
        item->Enabled = found->Enabled();
        item->Command = found->Command();
        item->Submenu = PopupOf(*found);
      }
    }
  SetMenu(Form.FHandle, nullptr);
}

void TSkinMenuBar::Clear() {
  FreeItems();
  HostMenu = nullptr;
  MenuHandle = nullptr;
}

void TSkinMenuBar::PlaceItems(HDC dc, int bar_width, bool draw) {
  const TDataSkinObject* element = BarElement(*SkinData);
  const bool rtl = RightToLeft();
  int start = 6;
  if (element) start = rtl ? element->RightWidth + 8 : element->LeftWidth + 4;
  if (bar_width < start) start = 12;
  const int bar_height = BarRect.bottom - BarRect.top;
  int x = rtl ? bar_width - start : start;
  for (const auto& item : Items) {
    if (!item->Visible) {
      item->Bounds = {0, 0, 0, 0};
      continue;
    }
    const int w = MenuBarItemWidth(dc, item->Caption);
    const RECT text = rtl ? RECT{x - w, 0, x, bar_height - 1} : RECT{x, 0, x + w, bar_height - 1};
    item->Bounds = {text.left + BarRect.left, BarRect.top, text.right + BarRect.left, BarRect.bottom - 1};
    if (draw) {
      SetTextColor(dc, TextColour(*SkinData, item->Enabled));
      DrawMenuBarCaption(dc, item->Caption, text);
    }
    x += rtl ? -w : w;
  }
}

void TSkinMenuBar::Layout() {
  if (Items.empty()) return;
  BarRect = {Form.FBorderLeft, Form.FBorderTop, Form.FWidth - Form.FBorderRight, Form.FBorderTop + Form.FMenuBarHeight};
  const host::MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  const host::Font font = PlainMenuFont();
  const host::Selection select(dc, font);
  PlaceItems(dc, BarRect.right - BarRect.left, false);
}

void TSkinMenuBar::PaintBar(HDC dc, const RECT& r) {
  host::DibBitmap* scratch = ScratchBitmap();
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (!scratch || width <= 0 || height <= 0) return;
  if (scratch->Width() != width || scratch->Height() != height) scratch->SetSize(width, height);
  const HDC bar = scratch->Dc();
  const RECT all{0, 0, width, height};
  if (const TDataSkinObject* e = BarElement(*SkinData)) {
    const int k = Form.FActive ? 1 : 2;
    if (e->Tile == 1)
      DrawSkinElement(bar, all, e->Image, e->Margins(), k, 2, false, false, Strip::Vertical);
    else
      DrawSkinStrip(scratch->GetCanvas(), all, e->Image, {e->LeftWidth, 0, e->RightWidth, 0}, k, 2, false,
                    Strip::Vertical);
  } else {
    const host::Brush fill(CreateSolidBrush(host::ColourToRgb(SkinData->Elements().Colours.Menubar)));
    FillRect(bar, &all, fill);
  }
  BarRect = r;
  if (Background.Width() != width || Background.Height() != height) Background.SetSize(width, height);
  if (!Background.Empty()) BitBlt(Background.Dc(), 0, 0, width, height, bar, 0, 0, SRCCOPY);
  {
    const host::Font font = PlainMenuFont();
    const host::Selection select(bar, font);
    SetBkMode(bar, TRANSPARENT);
    PlaceItems(bar, width, true);
  }
  if (Form.FMDIKind == TMDIKind::MainForm && Form.ActiveChildMaximized()) {
    // The maximised child's own buttons sit in the bar.
    for (const auto& button : Form.FButtons) {
      const TDataSkinSysButton& d = button->Descriptor;
      if (d.Visibility != 100 || d.Image.Empty()) continue;
      RECT b = button->Bounds;
      OffsetRect(&b, -Form.FBorderLeft, -Form.FBorderTop);
      StretchSkinFrame(bar, b, d.Image, 1, d.FrameCount, true);
    }
    if (TSkinManage* manager = TSkinManage::Instance(); manager && !manager->MDIMaximized) manager->SetMDIMaximized(true);
  }
  BitBlt(dc, r.left, r.top, width, height, bar, 0, 0, SRCCOPY);
}

TMenuBtn* TSkinMenuBar::ItemAt(POINT p) const {
  for (const auto& item : Items)
    if (!item->Caption.empty() && PtInRect(&item->Bounds, p)) return item.get();
  return nullptr;
}

}  // namespace skin
