#pragma once
// Menu shortcuts as the items show them ("Ctrl+O", "Shift+F10", "Del") and
// the keys they stand for.
#include <windows.h>

#include <optional>
#include <string_view>

namespace host {

struct TShortCut {
  WORD key = 0;  // a virtual-key code
  bool ctrl = false, shift = false, alt = false;
  bool operator==(const TShortCut&) const = default;
};

// None for a text that names no key.
std::optional<TShortCut> TextToShortCut(std::string_view text);

// The shortcut of a key press (WM_KEYDOWN or WM_SYSKEYDOWN) with the
// modifier keys held at the time.
TShortCut ShortCutOfKey(WORD key);

}  // namespace host
