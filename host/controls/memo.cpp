#include "host/controls/memo.h"

namespace host {

namespace {
constexpr std::string_view kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
const EnumInfo kScrollStyles{"TScrollStyle", kScrollStyleNames};
}  // namespace

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

const ClassInfo& TMemo::Info() {
  static const ClassInfo info{"TMemo", &TCustomEdit::Info(), {
      props::Enum<&TMemo::ScrollBars, &TMemo::SetScrollBars>("ScrollBars", kScrollStyles),
      props::Boolean<&TMemo::WordWrap, &TMemo::SetWordWrap>("WordWrap"),
      props::Strings<&TMemo::Lines, &TMemo::SetLines>("Lines"),
  }, [](TComponent* owner) -> TComponent* { return new TMemo(owner); }};
  return info;
}

void TMemo::FillCreateParams(CreateParams& p) {
  TCustomEdit::FillCreateParams(p);
  p.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (word_wrap_) p.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (scroll_bars_ == ssHorizontal || scroll_bars_ == ssBoth) p.style |= WS_HSCROLL;
  if (scroll_bars_ == ssVertical || scroll_bars_ == ssBoth) p.style |= WS_VSCROLL;
}

StringList TMemo::Lines() const {
  StringList lines;
  const std::string text = Text();
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return lines;
}

void TMemo::SetLines(const StringList& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  SetText(std::move(text));
}

}  // namespace host
