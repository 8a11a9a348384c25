#include "skin/controls/media_player.h"

#include <windowsx.h>

#include <string>

#include "host/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_element.h"
#include "skin/draw/transparent.h"

namespace skin {
namespace {

constexpr const char* kButtonWords[kMPButtons] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                                  "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
constexpr const char* kButtonIdents[kMPButtons] = {"btPlay", "btPause", "btStop",   "btNext", "btPrev",
                                                   "btStep", "btBack",  "btRecord", "btEject"};
constexpr const char* kLookWords[3] = {"EN", "DI", "CL"};
// Glyph pixels of this colour show the face instead.
constexpr COLORREF kGlyphFace = 0x008080;

// The program's bitmap resource of that name, or an empty picture.
host::DibBitmap LoadGlyph(const std::string& name) {
  host::DibBitmap glyph;
  const host::Bitmap loaded(LoadBitmapA(GetModuleHandleW(nullptr), name.c_str()));
  if (loaded) glyph.Assign(loaded);
  return glyph;
}

// True when the identifier stands in a set text "[a,b]" as a whole member.
bool InSetText(const std::string& text, const std::string& ident) {
  const std::string padded = "," + (text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string()) + ",";
  return padded.find("," + ident + ",") != std::string::npos;
}

}  // namespace

TWMediaPlayer::TWMediaPlayer(host::TComponent* owner) : host::TWinControl(owner) {
  for (int b = 0; b < kMPButtons; ++b)
    for (int look = 0; look < 3; ++look)
      glyphs_[b][look] = LoadGlyph(std::string(kLookWords[look]) + "_" + kButtonWords[b]);
}

TWMediaPlayer::~TWMediaPlayer() { *alive_ = false; }

const host::ClassInfo& TWMediaPlayer::Info() {
  static const host::ClassInfo info{"TWMediaPlayer", &host::TWinControl::Info(), {}};
  return info;
}

void TWMediaPlayer::FillCreateParams(CreateParams& p) {
  TWinControl::FillCreateParams(p);
  p.class_name = L"TWMediaPlayer";
  p.system_class = false;
}

void TWMediaPlayer::Setup(TSkinMP* skinner, host::TControl* host) {
  HostPlayer = host;
  Skinner = skinner;
  SkinData = skinner->SkinData;
  // The form skinner leaves controls with this tag alone.
  if (SkinData) SetTag(SkinData->DisableTag());
  AlignToHost(host);
  SetVisible(host->Visible());
  SetParent(host->Parent());
  // Directly above the player, so the player's own painting stays beneath.
  auto* player = dynamic_cast<host::TWinControl*>(host);
  if (HWND self = WindowHandle(); self && player && player->WindowHandle()) {
    HWND above = GetWindow(player->WindowHandle(), GW_HWNDPREV);
    SetWindowPos(self, above && above != self ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// The buttons share the width: a new size repaints them all.
void TWMediaPlayer::AlignToHost(host::TControl* host) {
  SetBounds(host->Left(), host->Top(), host->Width(), host->Height());
  Invalidate();
}

int TWMediaPlayer::ButtonAt(int x) const {
  int sum = 0;
  for (int b = 0; b < kMPButtons; ++b) {
    if (!Buttons[b].visible) continue;
    if (sum <= x && x <= sum + ButtonWidth) return b;
    sum += ButtonWidth;
  }
  return kNoButton;
}

int TWMediaPlayer::ReadButtons() {
  const std::string visible = GetSetPropText(HostPlayer, "VisibleButtons");
  const std::string enabled = GetSetPropText(HostPlayer, "EnabledButtons");
  const std::string coloured = GetSetPropText(HostPlayer, "ColoredButtons");
  int n = 0;
  for (int b = 0; b < kMPButtons; ++b) {
    Buttons[b] = {InSetText(visible, kButtonIdents[b]), InSetText(enabled, kButtonIdents[b]),
                  InSetText(coloured, kButtonIdents[b])};
    n += Buttons[b].visible;
  }
  return n;
}

void TWMediaPlayer::WndProc(host::TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: Press(m); return;
    case WM_LBUTTONUP: Release(m); return;
    case WM_CAPTURECHANGED:
      // The mouse was taken away while held: the pressed button comes up.
      if (MouseDown && reinterpret_cast<HWND>(m.LParam) != WindowHandle()) {
        MouseDown = false;
        Invalidate();
      }
      break;
    case WM_ERASEBKGND:
      // The paint covers everything; with no buttons the window erases itself.
      if (ReadButtons() > 0) {
        m.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TWinControl::WndProc(m);
}

void TWMediaPlayer::Press(host::TMessage& m) {
  MouseDown = true;
  TWinControl::WndProc(m);
  const std::shared_ptr<bool> alive = alive_;
  if (auto* player = dynamic_cast<host::TWinControl*>(HostPlayer); player && player->WindowHandle())
    SendMessageW(player->WindowHandle(), m.Msg, m.WParam, m.LParam);
  if (!*alive) return;
  // The player took the mouse for its own press; the overlay holds it
  // instead, so that the release comes back here wherever it happens.
  ReleaseCapture();
  SetCapture(WindowHandle());
  HotButton = ButtonAt(GET_X_LPARAM(m.LParam));
  PressedButton = HotButton;
  Invalidate();
}

void TWMediaPlayer::Release(host::TMessage& m) {
  MouseDown = false;
  TWinControl::WndProc(m);
  if (GetCapture() == WindowHandle()) ReleaseCapture();
  // The overlay holds the mouse: a release off it is on no button.
  RECT client{};
  GetClientRect(WindowHandle(), &client);
  const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  HotButton = PtInRect(&client, at) ? ButtonAt(at.x) : kNoButton;
  const std::shared_ptr<bool> alive = alive_;
  if (HotButton == PressedButton)
    if (auto* player = dynamic_cast<host::TWinControl*>(HostPlayer); player && player->WindowHandle())
      SendMessageW(player->WindowHandle(), m.Msg, m.WParam, m.LParam);
  if (!*alive) return;
  PressedButton = HotButton;
  Invalidate();
}

void TWMediaPlayer::PaintWindow(HDC dc) {
  const int n = ReadButtons();
  ButtonWidth = n ? Width() / n : 0;
  if (!n || !SkinData) return;
  host::DibBitmap picture(Width(), Height());
  if (picture.Empty()) return;
  host::Canvas& canvas = picture.GetCanvas();
  canvas.SetBrushColour(host::ColourToRgb(SkinData->Elements().Colours.ButtonFace));
  canvas.FillRect({0, 0, Width(), Height()});
  int x = 0;
  for (int b = 0; b < kMPButtons; ++b) {
    if (!Buttons[b].visible) continue;
    DrawButton(picture, b, {x, 0, x + ButtonWidth, Height()});
    x += ButtonWidth;
  }
  BitBlt(dc, 0, 0, Width(), Height(), picture.Dc(), 0, 0, SRCCOPY);
}

void TWMediaPlayer::DrawButton(host::DibBitmap& picture, int b, const RECT& r) {
  const ButtonState& state = Buttons[b];
  const Look look = !state.enabled ? lkDisabled : state.coloured ? lkColoured : lkEnabled;
  const int frame = !state.enabled ? 3 : MouseDown && b == PressedButton ? 2 : 1;
  HDC dc = picture.Dc();
  if (const TDataSkinButton* element = SkinData->Elements().Buttons.get(); element && !element->Image.Empty())
    DrawSkinObject(dc, r, element->FrameCount, frame, *element);
  const host::DibBitmap& glyph = glyphs_[b][look];
  if (glyph.Empty()) return;
  const int d = frame == 2 ? 1 : 0;
  const int gx = r.left + (r.right - r.left - glyph.Width()) / 2 + d;
  const int gy = (r.bottom - r.top - glyph.Height()) / 2 + d;
  // The canvas's colour-replacing copy: the glyph's face colour becomes the brush.
  picture.GetCanvas().FillRect({gx, gy, gx + glyph.Width(), gy + glyph.Height()});
  CopyKeyedFrame(picture, gx, gy, glyph, 1, 1, kGlyphFace);
}

TSkinMP::~TSkinMP() { ReleaseHooks(); }

const host::ClassInfo& TSkinMP::Info() {
  static const host::ClassInfo info{"TSkinMP", &TSkinControl::Info(), {}};
  return info;
}

void TSkinMP::Attach(TSkinForm* form, TSkinData* data, bool use_skin_colour, host::Canvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, data, use_skin_colour, canvas);
  if (!Control || !Control->Parent()) return;
  overlay_ = std::make_unique<TWMediaPlayer>(nullptr);
  overlay_->Setup(this, Control);
}

void TSkinMP::Restore() {
  TSkinControl::Restore();
  if (LifeState != clGone)
    overlay_.reset();
  else if (overlay_)
    overlay_->SetVisible(false);
}

void TSkinMP::SkinActiveChanged() {
  if (overlay_ && Control) overlay_->SetVisible(SkinActive && Control->Visible());
}

void TSkinMP::AfterMessage(host::TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (overlay_ && Control) overlay_->AlignToHost(Control);
      break;
    case host::CM_VISIBLECHANGED:
      if (overlay_ && Control) overlay_->SetVisible(Control->Visible());
      break;
    default: TSkinControl::AfterMessage(m);
  }
}

}  // namespace skin
