#pragma once
// The skin data component a form carries: it keeps the skin package as a
// stored property of the form (or loads it from a skin file), reads it into
// element descriptors and colours, and tells the skin manager when to skin,
// unskin or re-skin.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/component.h"
#include "host/gdi/handles.h"
#include "host/graphics/dib_bitmap.h"
#include "skin/data/skin_elements.h"

namespace skin {

// Bit numbers of the SkinControls set.
enum TSkinControlType : std::uint32_t {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress,
  xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab,
  xcTrackBar, xcSystemMenu, xcFastReport,
};
// Bit numbers of the Options set.
enum TSkinOption : std::uint32_t {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
  xoMDIChildBorder,
};
enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

constexpr std::uint32_t Bit(std::uint32_t member) { return 1u << member; }

class TSkinData : public host::TComponent {
public:
  static constexpr char kVersion[] = "3.91.01.08";

  explicit TSkinData(host::TComponent* owner);
  ~TSkinData() override;
  static const host::ClassInfo& Info();
  const host::ClassInfo& Class() const override { return Info(); }

  bool Active() const { return active_; }
  void SetActive(bool active);
  std::int32_t DisableTag() const { return disable_tag_; }
  void SetDisableTag(std::int32_t tag) { disable_tag_ = tag; }
  std::uint32_t SkinControls() const { return skin_controls_; }
  void SetSkinControls(std::uint32_t controls) { skin_controls_ = controls; }
  std::uint32_t Options() const { return options_; }
  void SetOptions(std::uint32_t options) { options_ = options; }
  const host::StringList& Skin3rd() const { return skin3rd_; }
  void SetSkin3rd(const host::StringList& rows) { skin3rd_ = rows; }
  const std::string& SkinFile() const { return skin_file_; }
  // At run time a package the engine cannot use is refused with a message
  // box (or through OnRefusal), and the skin in use and SkinFile stay as they were.
  void SetSkinFile(std::string path);
  std::string SkinStore() const { return "(none)"; }  // there is no form designer here
  void SetSkinStore(std::string) {}
  TSkinFormType SkinFormtype() const { return form_type_; }
  void SetSkinFormtype(TSkinFormType type) { form_type_ = type; }
  std::string Version() const { return kVersion; }
  void SetVersion(std::string) {}
  bool MenuUpdate() const { return menu_update_; }
  void SetMenuUpdate(bool on) { menu_update_ = on; }
  bool MenuMerge() const { return menu_merge_; }
  void SetMenuMerge(bool on) { menu_merge_ = on; }

  // "SkinStream": a 32-bit little-endian length, then the package.
  host::Bytes WriteSkinStream() const;
  void ReadSkinStream(const host::Bytes& data);

  // Reads the package into descriptors; false when the package was refused
  // (the previous descriptors stay). Decompression errors are raised.
  bool LoadSkin();
  void Loaded() override;
  void ApplySkinChange();
  void FilterFormClass(std::string_view class_name, bool& do_skin);
  void NotifySkinChanged();

  bool SkinMissing() const { return skin_missing_; }
  // Off while a form's framework handles a change of its menu, so that the
  // form skinners leave the frame alone meanwhile.
  bool FramePaint = true;
  const std::vector<std::uint8_t>& Package() const { return package_; }
  // Why the last package was refused: by the reader, or at run time the
  // message of the refusal.
  const std::string& RefusalReason() const { return refusal_; }
  const SkinElements& Elements() const { return elements_; }
  HIMAGELIST CheckMarkImages() const { return check_marks_; }
  const host::DibBitmap& ApplicationIcon() const { return app_icon_; }
  HFONT CaptionFont() const { return caption_font_; }
  SIZE MaximizedSize() const { return maximized_; }

  // Where a package refused at run time is reported instead of a message box.
  std::function<void(std::string_view reason)> OnRefusal;
  // Events with arguments beyond the sender are set in code, not stored with the form.
  std::function<void(TSkinData* sender, std::string_view name, bool& do_skin)> OnFormSkin;
  std::function<void(host::TComponent* sender, TSkinData* data, host::TComponent* form, host::TComponent* control,
                     std::string_view control_class, host::TComponent*& skinned_control)>
      OnSkinControl;
  host::NotifyEvent OnSkinChanged;
  void SetOnSkinChanged(host::NotifyEvent e) { OnSkinChanged = std::move(e); }

private:
  bool Acceptable(const std::string& path, const std::vector<std::uint8_t>& bytes);
  void BuildApplicationIcon();
  void MakeCaptionFont();

  bool active_ = false;
  std::int32_t disable_tag_ = 99;
  std::uint32_t skin_controls_ = 0x1FFFFB;
  std::uint32_t options_ = 0x48;
  host::StringList skin3rd_;
  std::string skin_file_;
  TSkinFormType form_type_ = TSkinFormType::sfMainform;
  bool menu_update_ = true;
  bool menu_merge_ = false;

  std::vector<std::uint8_t> package_;
  bool skin_missing_ = true;
  std::string refusal_;
  SkinElements elements_;
  HIMAGELIST check_marks_ = nullptr;
  host::DibBitmap app_icon_;
  host::Font caption_font_;
  SIZE maximized_{};
};

// The rows that map further control classes to control kinds, as a new component has them.
const host::StringList& DefaultSkin3rd();

}  // namespace skin
