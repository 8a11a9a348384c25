// The parameter set of a skin: palette, geometry and font size, read from params.txt.
#pragma once
#include <filesystem>
#include <map>
#include <string>

#include "image.h"

namespace skingen {

struct Theme {
  std::string name;
  int captionHeight = 0;  // top frame, caption buttons included
  int border = 0;         // left, right and bottom frame
  int radius = 0;         // window corners; controls use smaller radii derived from it
  int bevel = 0;          // depth of highlight and shade lines on raised parts, 0 flat
  int fontHeight = 0;     // caption font height
  bool progressChunks = false;  // progress bars as a row of chunks rather than one stretched bar

  Rgb face;            // dialog and control background
  Rgb surface;         // menus, headers, panes
  Rgb window;          // edit and list interiors
  Rgb windowText;      // text there
  Rgb windowDisabled;  // read-only and disabled interiors
  Rgb text;            // text on face
  Rgb surfaceText;     // text on surface
  Rgb muted;           // disabled text, quiet outlines
  Rgb line;            // control outlines
  Rgb accent;          // focus, checked marks, progress, slider thumbs
  Rgb accentText;      // text and marks on accent
  Rgb select;          // selected menu item
  Rgb selectText;
  Rgb chrome;          // caption and frame of the active window
  Rgb chromeInactive;
  Rgb chromeText;
  Rgb chromeTextInactive;
  Rgb chromeLine;      // outer outline of the window
  Rgb control;         // push-button face
  Rgb controlText;
  Rgb focus;           // face of the focused push button
  Rgb focusText;       // its text where the engine uses the skin's button text
  Rgb danger;          // close button under the mouse
  Rgb dangerText;
  Rgb menubar;
  Rgb menubarText;
  Rgb track;           // scroll-bar and slider channels
  Rgb thumb;           // scroll-bar thumb

  // Raised parts get their highlight and shade from the bevel depth.
  Rgb lighter(Rgb c, double amount) const;
  Rgb darker(Rgb c, double amount) const;
};

// Every text colour of a theme against the background it is written on
// reaches this contrast ratio; loadTheme refuses a theme that does not.
inline constexpr double kMinimumContrast = 4.5;

// Reads a parameter file: "key = value" lines, "#" comments, colours as "r g b".
// A key "inherit" names another parameter file (relative to this one) read first.
// Throws std::runtime_error naming the file and line on any fault, and when a
// required key is missing or a value is out of its range.
Theme loadTheme(const std::filesystem::path& file);
Theme themeFromText(const std::string& text, const std::string& origin);

}  // namespace skingen
