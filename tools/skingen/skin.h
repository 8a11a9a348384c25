// A generated skin: its pictures with their frame layout and the values that the
// definition template refers to.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "image.h"
#include "theme.h"

namespace skingen {

struct Picture {
  std::string file;     // entry name in the package, lower case, ".bmp"
  std::string section;  // the definition section that names it (for review sheets)
  Image image;
  int frames = 1;
  bool stacked = false;  // frames one above the other instead of side by side
};

struct Skin {
  std::vector<Picture> pictures;
  std::map<std::string, std::string> vars;  // ${name} values of the definition template

  void add(std::string file, std::string section, Image image, int frames, bool stacked = false);
  void set(const std::string& name, int value) { vars[name] = std::to_string(value); }
  void setColour(const std::string& name, Rgb c);
};

// Joins equally sized frames side by side, or stacked.
Image joinFrames(const std::vector<Image>& frames, bool stacked = false);

// Each art unit adds its pictures and template values.
void addFrameArt(const Theme& t, Skin& skin);      // borders, caption, caption buttons, MDI strip
void addMenuArt(const Theme& t, Skin& skin);       // menu bar, items, popup background
void addButtonArt(const Theme& t, Skin& skin);     // push buttons, check boxes, radio buttons
void addScrollArt(const Theme& t, Skin& skin);     // arrows, tracks, thumbs
void addFieldArt(const Theme& t, Skin& skin);      // combo box, sunken edge, extra images, up-down
void addSliderArt(const Theme& t, Skin& skin);     // track-bar thumbs and channels, progress
void addContainerArt(const Theme& t, Skin& skin);  // tabs, pane, group box, status bar, tool bars, header

Skin generateSkin(const Theme& t);

}  // namespace skingen
