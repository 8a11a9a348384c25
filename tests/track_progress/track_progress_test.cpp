// Track bars and progress bars under the default skin: host controls on a
// real form, their pictures read back from the screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "form_test_support.h"
#include "host/controls/progressbar.h"
#include "host/controls/trackbar.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/draw/transparent.h"
#include "skin/form/engine_messages.h"
#include "skin/form/skin_form.h"
#include "skin/manager/skin_manage.h"

namespace {

using form_test::PumpUntil;
using skin::TDataSkinObject;

bool Skinned(HWND window) { return SendMessageW(window, skin::kSkinnedQuery, 0, 0) == 1; }

class TrackProgressTest : public form_test::SkinnedTest {
protected:
  void SetUp() override {
    SkinnedTest::SetUp();
    AddKinds();
    form_ = form_test::MakeForm(100, 100, 460, 300);
  }
  // Our host classes reach their skinners through Skin3rd.
  void AddKinds() {
    host::StringList rows = data_->Skin3rd();
    rows.push_back("TTrackBar=trackbar");
    rows.push_back("TProgressBar=progress");
    data_->SetSkin3rd(rows);
  }
  void UseSkin(const char* name) {
    skin::TSkinManage::Destroy();
    data_.reset();
    std::ifstream file(std::string("Z:" BRINDLE_SKINS_DIR "/") + name + ".skn", std::ios::binary);
    data_ = form_test::MakeSkinData({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
    ASSERT_FALSE(data_->SkinMissing());
    AddKinds();
  }
  template <class T>
  T* Add(RECT bounds) {
    auto* control = new T(form_.get());
    control->SetParent(form_.get());
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    return control;
  }
  void Show() {
    skinner_ = form_test::ShowSkinned(*form_);
    ASSERT_TRUE(skinner_);
    for (HWND w = GetWindow(form_->WindowHandle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
      ASSERT_TRUE(PumpUntil([&] { return Skinned(w); }));
    form_test::Pump(100);
  }
  const skin::SkinElements& Elements() const { return data_->Elements(); }
  COLORREF Face() const { return host::ColourToRgb(Elements().Colours.ButtonFace); }
  // A picture's pixel as it shows over the face.
  COLORREF Shown(const host::DibBitmap& image, int x, int y) const {
    const COLORREF c = image.Pixel(x, y);
    return c == skin::kSkinColourKey ? Face() : c;
  }

  skin::TSkinControl* SkinnerOf(HWND window) const {
    for (skin::TSkinControl* s : skinner_->FControls)
      if (s->Window() == window) return s;
    return nullptr;
  }

  std::unique_ptr<form_test::TTestForm> form_;
  skin::TSkinForm* skinner_ = nullptr;
};

TEST_F(TrackProgressTest, AProgressBarFillsItsShareOfTheRangeAndTurnsForAVerticalBar) {
  auto* ranged = Add<host::TProgressBar>({10, 10, 200, 16});
  ranged->SetMin(20);
  ranged->SetMax(70);
  ranged->SetPosition(30);
  auto* empty = Add<host::TProgressBar>({10, 40, 200, 16});
  auto* zero_range = Add<host::TProgressBar>({10, 70, 200, 16});
  zero_range->SetMax(0);
  auto* vertical = Add<host::TProgressBar>({250, 10, 16, 200});
  vertical->SetOrientation(host::pbVertical);
  vertical->SetMin(20);
  vertical->SetMax(70);
  vertical->SetPosition(30);
  Show();

  const TDataSkinObject& bar = *Elements().ProgressBar;
  ASSERT_EQ(bar.FrameCount, 2) << "the default skin draws the bar style";
  const int fw = bar.Image.Width() / 2, mid = 8, l = bar.LeftWidth, r = bar.RightWidth;
  const COLORREF fill_end = Shown(bar.Image, fw + fw - 1, mid), track = Shown(bar.Image, l, mid);
  ASSERT_NE(fill_end, track);

  // (30 - 20) of (70 - 20): the fill's right edge at a fifth of the width, not at 30 / 70 of it.
  const int fill = MulDiv(200, 30 - 20, 70 - 20);
  const host::DibBitmap shot = form_test::WindowShot(ranged->WindowHandle());
  EXPECT_EQ(shot.Pixel(fill - 1, mid), fill_end);
  EXPECT_EQ(shot.Pixel(fill, mid), track);

  // Position 0, or a range that ends at 0: the empty track only.
  for (auto* bare : {empty, zero_range}) {
    const host::DibBitmap s = form_test::WindowShot(bare->WindowHandle());
    for (int x = l; x < 200 - r; ++x) ASSERT_EQ(s.Pixel(x, mid), track) << x;
  }
  // A position set outside the range is held within it.
  SendMessageW(ranged->WindowHandle(), PBM_SETPOS, 90, 0);
  UpdateWindow(ranged->WindowHandle());
  EXPECT_TRUE(PumpUntil([&] { return form_test::WindowShot(ranged->WindowHandle()).Pixel(200 - 1 - r, mid) != track; }));

  // The vertical bar is the horizontal picture turned a quarter, its start at the bottom.
  const host::DibBitmap turned = form_test::WindowShot(vertical->WindowHandle());
  for (int x = 0; x < 200; ++x)
    for (int y = 0; y < 16; ++y) ASSERT_EQ(turned.Pixel(y, 199 - x), shot.Pixel(x, y)) << x << "," << y;
}

TEST_F(TrackProgressTest, TheChunkStyleRowsWholeChunksFromTheBarsStart) {
  UseSkin("dark");
  auto* half = Add<host::TProgressBar>({10, 10, 200, 16});
  half->SetPosition(50);
  Show();
  const TDataSkinObject& bar = *Elements().ProgressBar;
  const TDataSkinObject& chunk = *Elements().ProgressChunk;
  ASSERT_EQ(bar.Style, 1) << "the dark skin draws chunks";
  ASSERT_EQ(chunk.Tile, 1);
  const host::DibBitmap shot = form_test::WindowShot(half->WindowHandle());
  const int filled = 100, cw = chunk.Image.Width(), ch = chunk.Image.Height();
  const int x0 = chunk.LeftWidth + 2, y0 = (16 - ch) / 2;
  for (int k = 0; (k + 1) * cw <= filled; ++k)
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x)
        if (chunk.Image.Pixel(x, y) != skin::kSkinColourKey)
          ASSERT_EQ(shot.Pixel(x0 + k * cw + x, y0 + y), chunk.Image.Pixel(x, y)) << k << ": " << x << "," << y;
  EXPECT_EQ(shot.Pixel(x0 + filled, 8), Shown(bar.Image, bar.LeftWidth, 8)) << "the track after the chunks";
}

TEST_F(TrackProgressTest, ATrackBarShowsTheSkinsThumbAndChannel) {
  auto* horizontal = Add<host::TTrackBar>({10, 10, 200, 40});
  auto* vertical = Add<host::TTrackBar>({250, 10, 40, 200});
  vertical->SetOrientation(host::trVertical);
  for (auto* t : {horizontal, vertical}) {
    t->SetMax(20);
    t->SetPosition(5);
  }
  Show();

  for (auto* t : {horizontal, vertical}) {
    const bool upright = t == vertical;
    SCOPED_TRACE(upright ? "vertical" : "horizontal");
    HWND w = t->WindowHandle();
    const host::DibBitmap shot = form_test::WindowShot(w);

    // The thumb: frame 2 of 5 at its own size, cut at the thumb's rectangle.
    RECT thumb{};
    SendMessageW(w, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const TDataSkinObject& knob = upright ? *Elements().ThumbVert : *Elements().ThumbHorz;
    const int kw = knob.Image.Width() / 5;
    const int cw = std::min<int>(kw, thumb.right - thumb.left);
    const int ch = std::min<int>(knob.Image.Height(), thumb.bottom - thumb.top);
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x)
        ASSERT_EQ(shot.Pixel(thumb.left + x, thumb.top + y), knob.Image.Pixel(kw + x, y)) << x << "," << y;

    // The channel, away from the thumb: its picture's ends unscaled, the middle stretched along it.
    RECT c{};
    SendMessageW(w, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
    if (upright && c.right - c.left > c.bottom - c.top) c = RECT{c.top, c.left, c.bottom, c.right};
    const TDataSkinObject& line = upright ? *Elements().TrackLineVert : *Elements().TrackLine;
    const int pw = line.Image.Width(), ph = line.Image.Height();
    // Across: centred when narrower than the channel. Along: start, stretched middle, end.
    const int across = upright ? c.right - c.left : c.bottom - c.top, picture_across = upright ? pw : ph;
    const int offset = picture_across < across ? (across - picture_across) / 2 : 0;
    const int start = upright ? line.TopHeight : line.LeftWidth, end = upright ? line.BottomHeight : line.RightWidth;
    const int length = upright ? c.bottom - c.top : c.right - c.left, picture_length = upright ? ph : pw;
    const auto at = [&](int along, int a) {  // a point of the channel in the shot
      return upright ? shot.Pixel(c.left + offset + a, c.top + along) : shot.Pixel(c.left + along, c.top + offset + a);
    };
    const auto source = [&](int along, int a) {
      return upright ? line.Image.Pixel(a, along) : line.Image.Pixel(along, a);
    };
    for (int a = 0; a < picture_across; ++a) {
      for (int i = 0; i < start; ++i) ASSERT_EQ(at(i, a), source(i, a)) << "start " << i << "," << a;
      for (int i = 0; i < end; ++i)
        ASSERT_EQ(at(length - end + i, a), source(picture_length - end + i, a)) << "end " << i << "," << a;
      ASSERT_EQ(at(length - end - 1, a), source(start, a)) << "middle " << a;  // the thumb sits near the start
    }
  }

  // A new skin redraws the bar by taking the focus, which then goes back where it was.
  ASSERT_EQ(GetActiveWindow(), form_->WindowHandle());
  SetFocus(vertical->WindowHandle());
  skin::TSkinControl* skinner = SkinnerOf(horizontal->WindowHandle());
  ASSERT_NE(skinner, nullptr);
  skinner->SkinChanged();
  EXPECT_EQ(GetFocus(), vertical->WindowHandle());
}

}  // namespace
