#include "host/menus/popup_menu.h"

#include <algorithm>

#include "host/app/application.h"
#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {

constexpr wchar_t kClassName[] = L"THostPopupWindow";
constexpr int kGlyph = 16;
constexpr int kSeparatorHeight = 8;

// The text left of a tab and the key text right of it; a caption's own tab
// part wins over the item's ShortCut.
struct ItemTexts {
  std::wstring text;
  std::wstring key;
};

ItemTexts SplitCaption(const TMenuItem& item) {
  const std::wstring caption = Widen(item.Caption());
  const std::size_t tab = caption.find(L'\t');
  if (tab == std::wstring::npos) return {caption, Widen(item.ShortCut())};
  return {caption.substr(0, tab), caption.substr(tab + 1)};
}

// The image's shape (its mask) painted in one colour: the glyph's pixels
// take the colour, the rest of the box keeps what is there.
void DrawTintedGlyph(HIMAGELIST images, int index, HDC dc, int x, int y, COLORREF colour) {
  int w = 0, h = 0;
  ImageList_GetIconSize(images, &w, &h);
  // The icon made of the image carries a copy of its mask.
  const Icon icon(ImageList_GetIcon(images, index, ILD_NORMAL));
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return;
  const Bitmap mask(info.hbmMask), picture(info.hbmColor);
  const MemoryDc mask_dc(CreateCompatibleDC(dc));
  if (!mask_dc) return;
  const Selection keep(mask_dc, mask);
  // A one-bit source maps its 0 bits to the text colour and its 1 bits to the background colour.
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF old_back = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, w, h, mask_dc, 0, 0, SRCAND);
  SetTextColor(dc, colour);
  SetBkColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, w, h, mask_dc, 0, 0, SRCPAINT);
  SetBkColor(dc, old_back);
  SetTextColor(dc, old_text);
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r{};
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
  return {text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

int GlyphSize(HIMAGELIST images) {
  int cx = kGlyph, cy = kGlyph;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  return std::max(cx, kGlyph);
}

}  // namespace

Font CreateMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
  return Font(CreateFontIndirectW(&metrics.lfMenuFont));
}

TMenuItem::TMenuItem(TPopupMenu& menu, UINT command) : TComponent(nullptr), menu_(menu), command_(command) {}

const ClassInfo& TMenuItem::Info() {
  static const ClassInfo info{"TMenuItem", &TComponent::Info(), {
      props::Text<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
      props::Integer<&TMenuItem::ImageIndex, &TMenuItem::SetImageIndex>("ImageIndex"),
      props::Boolean<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled"),
      props::Boolean<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked"),
      props::Text<&TMenuItem::ShortCut, &TMenuItem::SetShortCut>("ShortCut"),
      props::Event<&TMenuItem::SetOnClick>("OnClick"),
  }};
  return info;
}

TComponent* TMenuItem::GetParentComponent() const { return &menu_; }

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::MeasureDefault(HDC dc, int& width, int& height) const {
  if (IsLine()) {
    width = 0;
    height = kSeparatorHeight;
    return;
  }
  const ItemTexts texts = SplitCaption(*this);
  const SIZE text = TextSize(dc, texts.text);
  const SIZE key = TextSize(dc, texts.key);
  const int glyph = GlyphSize(menu_.Images());
  width = 1 + glyph + 3 + text.cx + (texts.key.empty() ? 0 : kGlyph + key.cx) + 11;
  height = std::max(glyph + 2, static_cast<int>(text.cy) + 4);
}

void TMenuItem::DrawDefault(HDC dc, const RECT& rect, bool selected) const {
  DrawWithColours(dc, rect, selected,
                  {GetSysColor(COLOR_MENU), GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_MENUTEXT),
                   GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_GRAYTEXT)});
}

void TMenuItem::DrawWithColours(HDC dc, const RECT& rect, bool selected, const MenuItemColours& colours) const {
  const Brush back(CreateSolidBrush(selected && enabled_ ? colours.selected_back : colours.back));
  FillRect(dc, &rect, back);
  if (IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const int glyph = GlyphSize(menu_.Images());
  const RECT box{rect.left + 1, rect.top + 1, rect.left + 1 + glyph, rect.top + 1 + glyph};
  const HIMAGELIST images = menu_.Images();
  const COLORREF text_colour = !enabled_ ? colours.disabled_text : selected ? colours.selected_text : colours.text;
  if (images && image_index_ >= 0 && image_index_ < ImageList_GetImageCount(images)) {
    if (colours.tint_glyphs)
      DrawTintedGlyph(images, image_index_, dc, box.left, box.top, text_colour);
    else
      ImageList_Draw(images, image_index_, dc, box.left, box.top, ILD_TRANSPARENT | (enabled_ ? 0 : ILD_BLEND50));
  } else if (checked_) {
    RECT mark = box;
    DrawFrameControl(dc, &mark, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
  }
  const ItemTexts texts = SplitCaption(*this);
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = SetTextColor(dc, text_colour);
  RECT text{box.right + 3, rect.top, rect.right - 1, rect.bottom};
  DrawTextW(dc, texts.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
  if (!texts.key.empty()) {
    RECT key{box.right + 3, rect.top, rect.right - 11, rect.bottom};
    DrawTextW(dc, texts.key.c_str(), -1, &key, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
  if (window_) DestroyWindow(window_);
}

const ClassInfo& TPopupMenu::Info() {
  static const ClassInfo info{"TPopupMenu", &TComponent::Info(), {
      props::Boolean<&TPopupMenu::OwnerDraw, &TPopupMenu::SetOwnerDraw>("OwnerDraw"),
  }, [](TComponent* owner) -> TComponent* { return new TPopupMenu(owner); }};
  return info;
}

TMenuItem& TPopupMenu::Add(std::string caption, std::int32_t tag) {
  auto item = std::make_unique<TMenuItem>(*this, next_command_++);
  item->SetCaption(std::move(caption));
  item->SetTag(tag);
  items_.push_back(std::move(item));
  return *items_.back();
}

TMenuItem* TPopupMenu::FindCommand(UINT command) const {
  for (const auto& item : items_)
    if (item->Command() == command) return item.get();
  return nullptr;
}

void TPopupMenu::CreateWindowOnce() {
  if (window_) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{sizeof(wc)};
  if (!GetClassInfoExW(instance, kClassName, &wc)) {
    wc = {sizeof(wc)};
    wc.lpfnWndProc = &TPopupMenu::WndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
  }
  // A hidden top-level window: menus need an owner that can take part in activation.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!window_) throw Error("Cannot create a popup menu window: " + SystemErrorText(GetLastError()));
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TPopupMenu::Popup(int x, int y) {
  CreateWindowOnce();
  const Menu menu(CreatePopupMenu());
  if (!menu) throw Error("Cannot create a popup menu: " + SystemErrorText(GetLastError()));
  UINT position = 0;
  for (const auto& item : items_) {
    std::wstring text = Widen(item->Caption());
    if (!item->ShortCut().empty()) text += L"\t" + Widen(item->ShortCut());
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.fType = owner_draw_ ? MFT_OWNERDRAW : 0;
    if (item->IsLine()) {
      info.fType |= MFT_SEPARATOR;
    } else {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
    }
    info.fState = (item->Enabled() ? 0 : MFS_GRAYED) | (item->Checked() ? MFS_CHECKED : 0);
    info.wID = item->Command();
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
  // The choice arrives as a posted WM_COMMAND, so OnClick runs after the menu has gone.
  TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, window_, nullptr);
}

void TPopupMenu::MeasureItem(MEASUREITEMSTRUCT& m) {
  auto* item = reinterpret_cast<TMenuItem*>(m.itemData);
  if (!item) return;
  const WindowDc dc(window_);
  const Font font = CreateMenuFont();
  const Selection keep(dc, font);
  int width = 0, height = 0;
  item->MeasureDefault(dc, width, height);
  if (item->OnMeasureItem) item->OnMeasureItem(*item, dc, width, height);
  m.itemWidth = static_cast<UINT>(std::max(width, 0));
  m.itemHeight = static_cast<UINT>(std::max(height, 0));
}

void TPopupMenu::DrawItem(const DRAWITEMSTRUCT& d) {
  auto* item = reinterpret_cast<TMenuItem*>(d.itemData);
  if (!item) return;
  const SavedDc saved(d.hDC);
  const Font font = CreateMenuFont();
  const Selection keep(d.hDC, font ? font.get() : GetStockObject(DEFAULT_GUI_FONT));
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  if (item->OnDrawItem)
    item->OnDrawItem(*item, d.hDC, d.rcItem, selected);
  else
    item->DrawDefault(d.hDC, d.rcItem, selected);
}

LRESULT CALLBACK TPopupMenu::WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(wnd, msg, wparam, lparam);
  try {
    switch (msg) {
      case WM_COMMAND:
        if (HIWORD(wparam) == 0 && lparam == 0)
          if (TMenuItem* item = self->FindCommand(LOWORD(wparam))) item->Click();
        return 0;
      case WM_MEASUREITEM: {
        auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
        if (m.CtlType != ODT_MENU) break;
        self->MeasureItem(m);
        return TRUE;
      }
      case WM_DRAWITEM: {
        const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        if (d.CtlType != ODT_MENU) break;
        self->DrawItem(d);
        return TRUE;
      }
    }
  } catch (const std::exception& e) {
    HandleException(e);
  }
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

}  // namespace host
