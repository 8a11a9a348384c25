#include "skin/controls/edit.h"

#include <memory>

#include "host/core/text.h"
#include "host/gdi/handles.h"
#include "skin/controls/up_down.h"
#include "skin/data/skin_data.h"
#include "skin/draw/text.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"

namespace skin {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

bool IsSpinClass(HWND window) {
  const std::string c = host::LowerCase(GetClassNameText(window));
  return c == "msctls_updown32" || c.find("spin") != std::string::npos || c.find("updown") != std::string::npos;
}

void Frame(HDC dc, RECT r, int inset, HBRUSH brush) {
  InflateRect(&r, -inset, -inset);
  FrameRect(dc, &r, brush);
}

}  // namespace

void TSkinEdit::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      PaintFrame(nullptr);
      break;
    case WM_PRINT: {
      RECT w;
      if (!GetWindowRect(Handle, &w)) break;
      const RECT r{0, 0, w.right - w.left, w.bottom - w.top};
      if (m.WParam) {
        PrintBorder(reinterpret_cast<HDC>(m.WParam), r);
      } else {
        const host::WindowDc dc(Handle, true);
        if (dc) PrintBorder(dc, r);
      }
      break;
    }
    default:
      TSkinControl::AfterMessage(m);
  }
}

TSkinUpDown* TSkinEdit::UpDown() const { return FindUpDownSkinner(FormSkinner, spin_window_); }

void TSkinEdit::FindSpinButton() {
  if (UpDown() || !FormSkinner || !(SkinData->SkinControls() & Bit(xcSpin))) return;
  for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinClass(child) || IsSkinned(child)) continue;
    auto spin = std::make_unique<TSkinUpDown>(nullptr);
    spin->AttachWindow(child, SkinData, FormSkinner, FormCanvas);
    spin->InEdit = true;
    spin_window_ = child;
    spin.release()->Refresh();  // registered with the form skinner, which frees it
    return;
  }
}

void TSkinEdit::Draw(HDC dc, const RECT& r) {
  if (!SkinData) return;
  FindSpinButton();
  RECT client;
  GetClientRect(Handle, &client);
  if (client.right >= r.right || client.bottom >= r.bottom) return;
  const host::Brush shadow(CreateSolidBrush(host::ColourToRgb(SkinData->Elements().Colours.ButtonShadow)));
  // Inside the shadow, the content's own colour where the skin gives one.
  const ContentColours& content = SkinData->Elements().Content;
  const bool plain = !IsWindowEnabled(Handle) || (GetWindowLongAW(Handle, GWL_STYLE) & ES_READONLY);
  const std::int32_t inside = plain ? content.ContentDisabled : content.Content;
  const host::Brush lines(CreateSolidBrush(inside == kColourNotGiven ? kWhite : host::ColourToRgb(inside)));
  Frame(dc, r, 0, shadow);
  Frame(dc, r, 1, lines);
  Frame(dc, r, 2, lines);
}

void TSkinEdit::PrintBorder(HDC dc, const RECT& r) const {
  RECT client;
  GetClientRect(Handle, &client);
  if (client.right + 2 >= r.right || client.bottom + 2 >= r.bottom) return;
  Frame(dc, r, 1, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  const host::Brush shadow(CreateSolidBrush(host::ColourToRgb(SkinData->Elements().Colours.ButtonShadow)));
  Frame(dc, r, 0, shadow);
}

}  // namespace skin
