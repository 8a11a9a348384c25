// Owner-drawn menu items in the skin: the submenus of the menu bar, the
// skinned system menu and the popup menus of the form library. The popup
// window around the items is the popup skinner's; items copy their
// background from its picture so that they sit on it seamlessly.
#include <algorithm>

#include "host/core/colour.h"
#include "host/core/text.h"
#include "host/graphics/canvas.h"
#include "host/graphics/image_list.h"
#include "host/menus/popup_menu.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/text.h"
#include "skin/draw/transparent.h"
#include "skin/form/skin_form.h"
#include "skin/manager/popup_skinner.h"
#include "skin/manager/skin_manage.h"

namespace skin {
namespace {

constexpr int kTextLength = 80;
constexpr WORD kCheckMarkBitmap = 32760;  // OBM_CHECK, the system's check mark
constexpr int kGlyph = 16;
constexpr UINT kMeasureFormat = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
constexpr UINT kDrawFormat = DT_EXPANDTABS | DT_SINGLELINE;
// Ids the form library gives its own items; what it does not know of them is its business.
constexpr UINT kLastLibraryId = 0xFFF;

COLORREF Rgb(std::int32_t colour) { return host::ColourToRgb(colour); }

// Calls f for every item below root, with its depth (the top-level items at 1).
template <class F>
void ForEachItem(host::TMenuItem& root, F&& f, int depth = 1) {
  for (int i = 0; i < root.Count(); ++i) {
    host::TMenuItem& item = root.Items(i);
    f(item, depth);
    ForEachItem(item, f, depth + 1);
  }
}

HIMAGELIST ImagesOf(const host::TMenu* menu) {
  return menu && menu->Images() ? menu->Images()->HandleIfMade() : nullptr;
}

// A Win32 item without a form-library item: one made for the paint.
std::unique_ptr<host::TMenuItem> TemporaryItem(HMENU menu, UINT id) {
  auto item = std::make_unique<host::TMenuItem>(nullptr);
  char text[kTextLength] = {};
  GetMenuStringA(menu, id, text, kTextLength, MF_BYCOMMAND);
  item->SetCaption(text[0] ? host::Narrow(AnsiToWide(text)) : "-");
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_STATE;
  GetMenuItemInfoW(menu, id, FALSE, &info);
  item->SetEnabled((info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0);
  item->SetChecked((info.fState & MFS_CHECKED) != 0);
  return item;
}

// The system's check mark, a one-bit picture, in the given colour where its
// bits are clear; everything else of the box is left alone.
void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour, bool radio) {
  if (radio) {
    const host::Brush brush(CreateSolidBrush(colour));
    const host::Pen pen(CreatePen(PS_SOLID, 1, colour));
    const host::Selection keep_brush(dc, brush), keep_pen(dc, pen);
    const int cx = (box.left + box.right) / 2 + 1, cy = (box.top + box.bottom) / 2 + 1;
    Ellipse(dc, cx - 3, cy - 3, cx + 3, cy + 3);
    return;
  }
  const host::Bitmap mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  BITMAP info{};
  if (!mark || !GetObjectW(mark, sizeof(info), &info)) return;
  const host::MemoryDc source(CreateCompatibleDC(dc));
  const host::Selection keep(source, mark);
  const host::Brush brush(CreateSolidBrush(colour));
  const host::Selection keep_brush(dc, brush);
  const int x = box.left + (box.right - box.left - info.bmWidth) / 2 + 1;
  const int y = box.top + (box.bottom - box.top - info.bmHeight) / 2 + 1;
  // The mark's clear bits come in as 0s: the raster operation keeps the
  // destination where the source is 1 and paints the brush where it is 0.
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF old_back = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, 0x00B8074A);
  SetBkColor(dc, old_back);
  SetTextColor(dc, old_text);
}

// The checker of a checked item's glyph box, as pressed tool buttons show it.
void FillChecker(HDC dc, const RECT& box) {
  static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const host::Bitmap bits(CreateBitmap(8, 8, 1, 1, pattern));
  const host::Brush brush(CreatePatternBrush(bits));
  const COLORREF old_text = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF old_back = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &box, brush);
  SetBkColor(dc, old_back);
  SetTextColor(dc, old_text);
}

}  // namespace

host::TMainMenu* TSkinForm::HostMenu() const { return FHostForm ? FHostForm->Menu() : nullptr; }

void TSkinForm::HookMainMenus(host::TForm& form, bool on) {
  for (host::TComponent* c : form.Components()) {
    auto* menu = dynamic_cast<host::TMainMenu*>(c);
    if (!menu) continue;
    if (on) menu->SetOwnerDraw(true);
    ForEachItem(menu->Items(), [&](host::TMenuItem& item, int depth) {
      if (!on) {
        item.OnDrawItem = nullptr;
        item.OnMeasureItem = nullptr;
      } else if (depth >= 2 && !item.OnDrawItem) {
        // The top-level items are the menu bar's.
        item.OnDrawItem = [this](host::TMenuItem& i, host::Canvas& canvas, const RECT& r, bool selected) {
          PaintItem(i, canvas, selected, r);
        };
        item.OnMeasureItem = [this](host::TMenuItem& i, host::Canvas& canvas, int& w, int& h) {
          MeasureHostItem(i, canvas, w, h);
        };
      }
    });
  }
}

void TSkinForm::HookPopupMenus(host::TComponent& container, bool on) {
  if (FHostForm && FHostForm->ClassName() == "TwwRichEditForm") return;
  for (host::TComponent* c : container.Components()) {
    if (auto* form = dynamic_cast<host::TForm*>(c)) {
      HookPopupMenus(*form, on);
      continue;
    }
    auto* popup = dynamic_cast<host::TPopupMenu*>(c);
    if (!popup) continue;
    if (!on) {
      ForEachItem(popup->Items(), [](host::TMenuItem& item, int) {
        item.OnDrawItem = nullptr;
        item.OnMeasureItem = nullptr;
      });
      continue;
    }
    if (!(FSkinData->SkinControls() & Bit(xcPopupMenu)) || popup->Tag() == FSkinData->DisableTag()) continue;
    HookOwnPopup(*popup);
  }
}

void TSkinForm::HookOwnPopup(host::TPopupMenu& popup) {
  popup.SetOwnerDraw(true);
  ForEachItem(popup.Items(), [this](host::TMenuItem& item, int) {
    item.OnDrawItem = [this](host::TMenuItem& i, host::Canvas& canvas, const RECT& r, bool selected) {
      PaintItem(i, canvas, selected, r);
    };
    if (!item.OnMeasureItem)
      item.OnMeasureItem = [this](host::TMenuItem& i, host::Canvas& canvas, int& w, int& h) {
        MeasureOwnItem(i, canvas, w, h);
      };
  });
}

void TSkinForm::ReleaseMenus() {
  if (!FHostForm) return;
  HookMainMenus(*FHostForm, false);
  HookPopupMenus(*FHostForm, false);
}

// The library's own measure has already run when a measure event is called.
void TSkinForm::MeasureHostItem(host::TMenuItem& item, host::Canvas&, int& width, int&) {
  if (const auto& element = FSkinData->Elements().MenuItem) width += element->LeftWidth;
  width += ImagesOf(item.GetParentMenu()) ? 10 : 35;
}

void TSkinForm::MeasureOwnItem(host::TMenuItem& item, host::Canvas&, int& width, int&) {
  if (FSkinData)
    if (const auto& element = FSkinData->Elements().MenuItem) width += element->LeftWidth;
  width += ImagesOf(item.GetParentMenu()) ? 12 : 35;
}

void TSkinForm::MeasureMenuItem(host::TMessage& m) {
  auto& record = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  if (record.CtlType != ODT_MENU || !FMenuHandle) {
    Default(m);
    return;
  }
  if (!FHostForm) {
    MeasureWin32Item(record);
    m.Result = TRUE;
    return;
  }
  host::TMainMenu* menu = HostMenu();
  if (host::TMenuItem* item = menu ? menu->FindItem(record.itemID, host::TMenu::FindKind::Command) : nullptr) {
    const host::WindowDc dc(FHandle);
    host::Canvas canvas(dc);
    canvas.SetFont(host::MenuFontInfo());
    int width = 0, height = 0;
    item->MeasureDefault(canvas, width, height);
    MeasureHostItem(*item, canvas, width, height);
    record.itemWidth = static_cast<UINT>(std::max(width, 0));
    record.itemHeight = static_cast<UINT>(std::max(height, 0));
    m.Result = TRUE;
  } else if (record.itemID >= 1 && record.itemID <= kLastLibraryId) {
    Default(m);
  } else {
    MeasureWin32Item(record);
    m.Result = TRUE;
  }
}

void TSkinForm::MeasureWin32Item(MEASUREITEMSTRUCT& record) {
  char text[kTextLength] = {};
  GetMenuStringA(FTrackedMenu, record.itemID, text, kTextLength, MF_BYCOMMAND);
  const std::wstring wide = AnsiToWide(text);
  const host::WindowDc dc(FHandle);
  host::Canvas canvas(dc);
  canvas.SetFont(host::MenuFontInfo());
  RECT r{};
  if (!wide.empty()) DrawTextAW(dc, wide, r, DT_CALCRECT | DT_SINGLELINE);
  int width = (r.right - r.left) + 26;
  if (const auto& element = FSkinData->Elements().MenuItem) width += element->LeftWidth;
  record.itemWidth = static_cast<UINT>(width);
  record.itemHeight = wide.empty() ? 8 : record.itemHeight + 4;
}

void TSkinForm::DrawMenuItem(host::TMessage& m) {
  const auto& record = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  if (record.CtlType != ODT_MENU || !FMenuHandle) {
    Default(m);
    return;
  }
  const HMENU menu_handle = reinterpret_cast<HMENU>(record.hwndItem);
  if (TSkinManage* manager = TSkinManage::Instance()) manager->AssignPopupMenu(menu_handle);
  const bool selected = (record.itemState & ODS_SELECTED) != 0;
  // Text is drawn on the item's bitmap, which has the menu font: the menu's
  // own DC needs none.
  host::Canvas canvas(record.hDC);
  if (FHostForm) {
    host::TMainMenu* menu = HostMenu();
    if (host::TMenuItem* item = menu ? menu->FindItem(record.itemID, host::TMenu::FindKind::Command) : nullptr) {
      if (FSkinData->Elements().MenuItem)
        PaintItem(*item, canvas, selected, record.rcItem);
      else
        PaintPlainItem(*item, canvas, selected, record.rcItem);
      m.Result = TRUE;
      return;
    }
    if (record.itemID >= 1 && record.itemID <= kLastLibraryId) {
      Default(m);
      return;
    }
  }
  const auto item = TemporaryItem(menu_handle, record.itemID);
  PaintWin32Item(menu_handle, *item, selected, record.rcItem, canvas);
  m.Result = TRUE;
}

host::DibBitmap& TSkinForm::ItemBackground(HMENU menu, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (FItemBitmap.Width() != w || FItemBitmap.Height() != h) {
    FItemBitmap.SetSize(w, h);
    FItemBitmap.GetCanvas().SetFont(host::MenuFontInfo());
  }
  if (FItemBitmap.Empty()) return FItemBitmap;
  const TSkinManage* manager = TSkinManage::Instance();
  const TSkinPopupMenu* popup = manager ? manager->PopupFor(menu) : nullptr;
  if (popup && popup->Background) {
    const POINT offset = popup->ClientOffset;
    BitBlt(FItemBitmap.Dc(), 0, 0, w, h, popup->Background->Dc(), r.left + offset.x, r.top + offset.y, SRCCOPY);
  } else {
    FItemBitmap.GetCanvas().SetBrushColour(Rgb(FSkinData->Elements().Colours.Menu));
    FItemBitmap.GetCanvas().FillRect({0, 0, w, h});
  }
  return FItemBitmap;
}

void TSkinForm::DrawItemFace(host::DibBitmap& bitmap, int k) {
  const auto& element = FSkinData->Elements().MenuItem;
  const int w = bitmap.Width(), h = bitmap.Height();
  auto face = std::find_if(FItemFaces.begin(), FItemFaces.end(), [&](const ItemFace& f) {
    return f.element == element.get() && f.k == k && f.width == w && f.height == h;
  });
  if (face == FItemFaces.end()) {
    // A few sizes at a time: the items of the menus that are showing.
    if (FItemFaces.size() >= 8) FItemFaces.clear();
    FItemFaces.push_back({element.get(), k, w, h,
                          ComposeSkinElement({0, 0, w, h}, element->Image, element->Margins(), k, 5,
                                             element->Tile == 1, Strip::Horizontal)});
    face = FItemFaces.end() - 1;
  }
  if (face->picture.Empty()) return;
  if (element->Trans == 1)
    CopyKeyedFrame(bitmap, 0, 0, face->picture, 1, 1, kSkinColourKey);
  else
    BitBlt(bitmap.Dc(), 0, 0, w, h, face->picture.Dc(), 0, 0, SRCCOPY);
}

void TSkinForm::PaintItem(host::TMenuItem& item, host::Canvas& target, bool selected, const RECT& r) {
  const auto& element = FSkinData->Elements().MenuItem;
  if (!element) {
    PaintPlainItem(item, target, selected, r);
    return;
  }
  if (item.Parent())
    if (TSkinManage* manager = TSkinManage::Instance()) manager->AssignPopupMenu(item.MenuHandle());
  host::DibBitmap& bitmap = ItemBackground(item.MenuHandle(), r);
  if (bitmap.Empty()) return;
  const RECT all{0, 0, bitmap.Width(), bitmap.Height()};
  if (!item.IsLine()) {
    DrawItemFace(bitmap, selected ? 4 : 1);
    PaintItemContent(item, bitmap.GetCanvas(), selected, all);
    target.Draw(r.left, r.top, bitmap);
    return;
  }
  target.Draw(r.left, r.top, bitmap);
  PaintSeparator(target, r);
}

void TSkinForm::PaintWin32Item(HMENU menu, host::TMenuItem& item, bool selected, const RECT& r, host::Canvas& target) {
  const auto& element = FSkinData->Elements().MenuItem;
  host::DibBitmap& bitmap = ItemBackground(menu, r);
  if (bitmap.Empty()) return;
  const RECT all{0, 0, bitmap.Width(), bitmap.Height()};
  if (element)
    DrawItemFace(bitmap, selected ? 4 : 1);
  else if (selected) {
    bitmap.GetCanvas().SetBrushColour(Rgb(FSkinData->Elements().Colours.Hilight));
    bitmap.GetCanvas().FillRect(all);
  }
  PaintItemContent(item, bitmap.GetCanvas(), selected, all);
  target.Draw(r.left, r.top, bitmap);
}

void TSkinForm::PaintPlainItem(host::TMenuItem& item, host::Canvas& target, bool selected, const RECT& r) {
  host::DibBitmap bitmap(r.right - r.left, r.bottom - r.top);
  if (bitmap.Empty()) return;
  const RECT all{0, 0, bitmap.Width(), bitmap.Height()};
  host::Canvas& canvas = bitmap.GetCanvas();
  canvas.SetFont(host::MenuFontInfo());
  const SkinColours& colours = FSkinData->Elements().Colours;
  canvas.SetBrushColour(Rgb(selected ? colours.Hilight : colours.Menu));
  canvas.FillRect(all);
  PaintItemContent(item, canvas, selected, all);
  target.Draw(r.left, r.top, bitmap);
}

void TSkinForm::PaintItemContent(host::TMenuItem& item, host::Canvas& canvas, bool selected, const RECT& r) {
  const std::wstring text = host::Widen(item.Caption());
  const host::TMenu* menu = item.GetParentMenu();
  if (!menu) menu = HostMenu();
  const HIMAGELIST images = ImagesOf(menu);
  int glyph = kGlyph;
  if (images) {
    int cy = 0;
    ImageList_GetIconSize(images, &glyph, &cy);
  }
  if (item.Checked()) glyph = std::max(glyph, kGlyph);
  const bool rtl = menu && menu->IsRightToLeft();
  const int margin = FSkinData->Elements().MenuItem ? FSkinData->Elements().MenuItem->LeftWidth : 0;
  const HDC dc = canvas.Handle();

  RECT box{};
  if (!item.IsLine()) {
    box = rtl ? RECT{r.right - 1 - margin - glyph, r.top + 1, r.right - 1 - margin, r.top + 1 + glyph}
              : RECT{r.left + 1 + margin, r.top + 1, r.left + 1 + margin + glyph, r.top + 1 + glyph};
    const int index = item.ImageIndex();
    if (images && index >= 0 && index < ImageList_GetImageCount(images)) {
      if (item.Checked()) {
        FillChecker(dc, box);
        RECT edge = box;
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
      }
      ImageList_Draw(images, index, dc, box.left, box.top, ILD_TRANSPARENT | (item.Enabled() ? 0 : ILD_BLEND50));
    } else if (item.Checked()) {
      DrawCheckMark(dc, box, GetSysColor(COLOR_BTNTEXT), item.RadioItem());
    }
  } else if (rtl) {
    box = {r.right, 0, r.right, 0};
  }

  RECT t = rtl ? RECT{r.left + 1, r.top, box.left - 3, r.bottom} : RECT{box.right + 3, r.top, r.right - 1, r.bottom};
  const UINT align = rtl ? DT_RIGHT : 0;
  RECT measured = t;
  PaintItemText(item, canvas, kMeasureFormat | align, selected, measured, text);
  const int shift = ((t.bottom - t.top) - (measured.bottom - measured.top)) / 2;
  RECT placed{rtl ? t.left : measured.left, measured.top + shift, rtl ? t.right : measured.right,
              measured.bottom + shift};
  PaintItemText(item, canvas, kDrawFormat | align, selected, placed, text);
  if (item.ShortCut().empty() || item.IsLine()) return;
  // The shortcut shares the caption's rectangle, from the side the caption leaves free.
  RECT key = placed;
  if (rtl) {
    key.left = r.left + 11;
    PaintItemText(item, canvas, 0, selected, key, host::Widen(item.ShortCut()));
  } else {
    key.left = placed.right;
    key.right = r.right - 11;
    PaintItemText(item, canvas, DT_RIGHT, selected, key, host::Widen(item.ShortCut()));
  }
}

void TSkinForm::PaintItemText(host::TMenuItem& item, host::Canvas& canvas, UINT format, bool selected, RECT& t,
                              std::wstring text) {
  if ((format & DT_CALCRECT) && (text.empty() || text == L"&")) text += L' ';
  const HDC dc = canvas.Handle();
  if (text != L"-") {
    const SkinColours& colours = FSkinData->Elements().Colours;
    COLORREF colour;
    if (item.Enabled())
      colour = Rgb(selected ? colours.HilightText : colours.MenuText);
    else
      colour = colours.ButtonShadow == colours.MenuText ? GetSysColor(COLOR_BTNSHADOW) : Rgb(colours.ButtonShadow);
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF old_colour = SetTextColor(dc, colour);
    host::Font bold;
    if (item.Default()) {
      LOGFONTW font{};
      GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
      font.lfWeight = FW_BOLD;
      bold = host::Font(CreateFontIndirectW(&font));
    }
    {
      const host::Selection keep(dc, bold.get());
      DrawTextAW(dc, text, t, format);
    }
    SetTextColor(dc, old_colour);
    SetBkMode(dc, old_mode);
    return;
  }
  if (format & DT_CALCRECT) return;
  RECT line = t;
  line.top += 4;
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

void TSkinForm::PaintSeparator(host::Canvas& target, const RECT& r) {
  const auto& element = FSkinData->Elements().MenuItem;
  if (!element || element->Image.Empty()) return;
  const host::DibBitmap& image = element->Image;
  const int frame = image.Width() / 5, height = image.Height(), h = r.bottom - r.top, w = r.right - r.left;
  const int top = h >= height ? 0 : height - h, rows = height - top;
  host::DibBitmap bitmap(w, h);
  if (bitmap.Empty() || frame <= 0) return;
  const int left = element->LeftWidth, right = element->RightWidth;
  const HDC dc = bitmap.Dc(), source = image.Dc();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, left, h, source, frame, top, left, rows, SRCCOPY);
  StretchBlt(dc, w - right, 0, right, h, source, 2 * frame - right, top, right, rows, SRCCOPY);
  StretchBlt(dc, left, 0, w - left - right, h, source, frame + left, top, frame - left - right, rows, SRCCOPY);
  DrawTransparentBitmap(target.Handle(), r, bitmap, kSkinColourKey);
}

}  // namespace skin
