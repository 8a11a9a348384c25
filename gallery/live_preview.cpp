// The gallery as a live preview for skin authors: the package on disk is
// shown again whenever it changes, and a package the engine refuses leaves
// the skin before, with the reason in the status bar rather than a message
// box that would interrupt every save.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "gallery/gallery_form.h"
#include "host/core/text.h"

void TGalleryForm::WatchSkin(const std::string& path) {
  watched_ = path;
  SkinData1->OnRefusal = [this](std::string_view reason) {
    ShowWatchStatus(watched_ + " was refused; the skin before stays. " + std::string(reason));
  };
  if (!SkinWatch) {
    SkinWatch = new host::TFileWatch(this);
    SkinWatch->OnChange = [this](host::TComponent*) { ReloadWatched(); };
  }
  SkinWatch->Watch(path);
  ReloadWatched();
}

void TGalleryForm::ReloadWatched() {
  if (!std::ifstream(host::Widen(watched_).c_str(), std::ios::binary)) {
    ShowWatchStatus(watched_ + " cannot be opened; the skin before stays.");
    return;
  }
  ShowWatchStatus("");
  SkinData1->SetSkinFile(watched_);
  if (StatusBar1->SimpleText().empty()) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char time[16];
    std::snprintf(time, sizeof time, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    ShowWatchStatus("Showing " + watched_ + " as read at " + time + ".");
  }
  ShowTitle();
}

void TGalleryForm::ShowWatchStatus(const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  StatusBar1->SetSimpleText(line);
  StatusBar1->SetSimplePanel(!line.empty());
}
