#include "skin/data/skin_data.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "host/controls/form.h"
#include "host/core/error.h"
#include "host/core/text.h"
#include "skin/check/package_check.h"
#include "skin/check/refusal.h"
#include "skin/data/skin_definition.h"
#include "skin/manager/skin_manage.h"
#include "skin/store/package_notice.h"
#include "skin/store/quick_ini.h"
#include "skin/store/skin_reader.h"

namespace skin {
namespace {

constexpr std::string_view kControlTypeNames[] = {
    "xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo", "xcCheckBox",
    "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn", "xcSpeedButton", "xcSpin",
    "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab", "xcTrackBar", "xcSystemMenu", "xcFastReport"};
const host::EnumInfo kControlTypes{"TSkinControlType", kControlTypeNames};
constexpr std::string_view kOptionNames[] = {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview",
                                             "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK",
                                             "xoMDIChildBorder"};
const host::EnumInfo kOptions{"TSkinOption", kOptionNames};
constexpr std::string_view kFormTypeNames[] = {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"};
const host::EnumInfo kFormTypes{"TSkinFormType", kFormTypeNames};

}  // namespace

// Foreign control classes and the kind of control each one is skinned as.
const host::StringList& DefaultSkin3rd() {
  static const host::StringList rows{
    "TPngBitBtn=pngbitbtn", "TVirtualStringTree=scrollbar", "TVirtualDrawTree=scrollbar",
    "TTBXDockablePanel=Panel", "TAdvPanelGroup=scrollbar", "TComboboxex=combobox", "TRxSpeedButton=speedbutton",
    "THTMLViewer=scrollbar", "TDBCtrlGrid=scrollbar", "TfrSpeedButton=speedbutton", "TfrTBButton=speedbutton",
    "TControlBar=Panel", "TTBDock=Panel", "TTBToolbar=Panel", "TImageEnMView=scrollbar", "TImageEnView=scrollbar",
    "TAdvMemo=scrollbar", "TDBAdvMemo=scrollbar", "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox",
    "TcxDBDateEdit=combobox", "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox", "TcxDBBlobEdit=combobox",
    "TcxDBPopupEdit=combobox", "TcxDBFontNameComboBox=combobox", "TcxDBShellComboBox=combobox",
    "TRxLookupEdit=combobox", "TRxDBLookupCombo=combobox", "TRzGroup=panel", "TRzButton=button",
    "TRzBitbtn=bitbtn", "TRzMenuButton=menubtn", "TRzCheckGroup=CheckGroup", "TRzRadioGroup=Radiogroup",
    "TRzButtonEdit=Edit", "TRzDBRadioGroup=Radiogroup", "TRzDBRadioButton=Radiobutton", "TRzDateTimeEdit=combobox",
    "TRzColorEdit=combobox", "TRzDateTimePicker=combobox", "TRzDBDateTimeEdit=combobox", "TRzDbColorEdit=combobox",
    "TRzDBDateTimePicker=combobox", "TLMDButton=bitbtn", "TLMDGroupBox=Groupbox", "TDBCheckboxEh=Checkbox",
    "TDBCheckboxEh=Checkbox", "TLMDCHECKBOX=Checkbox", "TLMDDBCHECKBOX=Checkbox", "TLMDRadiobutton=Radiobutton",
    "TLMDCalculator=panel", "TLMDGROUPBOX=Panel", "TLMDSIMPLEPANEL=Panel", "TLMDDBCalendar=Panel",
    "TLMDButtonPanel=Panel", "TLMDLMDCalculator=Panel", "TLMDHeaderPanel=Panel", "TLMDTechnicalLine=Panel",
    "TLMDLMDClock=Panel", "TLMDTrackbar=panel", "TLMDListCombobox=combobox", "TLMDCheckListCombobox=combobox",
    "TLMDHeaderListCombobox=combobox", "TLMDImageCombobox=combobox", "TLMDColorCombobox=combobox",
    "TLMDFontCombobox=combobox", "TLMDFontSizeCombobox=combobox", "TLMDFontSizeCombobox=combobox",
    "TLMDPrinterCombobox=combobox", "TLMDDriveCombobox=combobox", "TLMDCalculatorComboBox=combobox",
    "TLMDTrackBarComboBox=combobox", "TLMDCalendarComboBox=combobox", "TLMDTreeComboBox=combobox",
    "TLMDRADIOGROUP=radiogroup", "TLMDCheckGroup=CheckGroup", "TLMDDBRADIOGROUP=radiogroup",
    "TLMDDBCheckGroup=CheckGroup", "TLMDCalculatorEdit=edit", "TLMDEDIT=Edit", "TLMDMASKEDIT=Edit",
    "TLMDBROWSEEDIT=Edit", "TLMDEXTSPINEDIT=Edit", "TLMDCALENDAREDIT=Edit", "TLMDFILEOPENEDIT=Edit",
    "TLMDFILESAVEEDIT=Edit", "TLMDCOLOREDIT=Edit", "TLMDDBEDIT=Edit", "TLMDDBMASKEDIT=Edit",
    "TLMDDBEXTSPINEDIT=Edit", "TLMDDBSPINEDIT=Edit", "TLMDDBEDITDBLookup=Edit", "TLMDEDITDBLookup=Edit",
    "TDBLookupCombobox=Combobox", "TWWDBCombobox=Combobox", "TWWDBLookupCombo=Combobox", "TWWDBCombobox=Combobox",
    "TWWKeyCombo=Combobox", "TWWTempKeyCombo=combobox", "TWWDBDateTimePicker=Combobox", "TWWRADIOGROUP=radiogroup",
    "TWWDBEDIT=Edit", "TcxButton=bitbtn", "TcxDBRadioGroup=radiogroup", "TcxRadioGroup=radiogroup",
    "TcxGroupbox=groupbox", "TOVCPICTUREFIELD=Edit", "TOVCDBPICTUREFIELD=Edit", "TOVCSLIDEREDIT=Edit",
    "TOVCDBSLIDEREDIT=Edit", "TOVCSIMPLEFIELD=Edit", "TOVCDBSIMPLEFIELD=Edit", "TO32DBFLEXEDIT=Edit",
    "TOVCNUMERICFIELD=Edit", "TOVCDBNUMERICFIELD=Edit"
  };
  return rows;
}

TSkinData::TSkinData(host::TComponent* owner) : TComponent(owner), skin3rd_(DefaultSkin3rd()) {
  check_marks_ = ImageList_LoadImageW(GetModuleHandleW(nullptr), L"VELOURMENU", 16, 0, RGB(255, 255, 255),
                                      IMAGE_BITMAP, LR_LOADTRANSPARENT);
  maximized_ = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

TSkinData::~TSkinData() {
  if (check_marks_) ImageList_Destroy(check_marks_);
  if (TSkinManage* m = TSkinManage::Instance()) m->UnregisterSkinData(this);
}

const host::ClassInfo& TSkinData::Info() {
  namespace props = host::props;
  static const host::ClassInfo info{"TSkinData", &TComponent::Info(), {
      props::Boolean<&TSkinData::Active, &TSkinData::SetActive>("Active"),
      props::Integer<&TSkinData::DisableTag, &TSkinData::SetDisableTag>("DisableTag"),
      props::Set<&TSkinData::SkinControls, &TSkinData::SetSkinControls>("SkinControls", kControlTypes),
      props::Set<&TSkinData::Options, &TSkinData::SetOptions>("Options", kOptions),
      props::Strings<&TSkinData::Skin3rd, &TSkinData::SetSkin3rd>("Skin3rd"),
      props::Text<&TSkinData::SkinFile, &TSkinData::SetSkinFile>("SkinFile"),
      props::Text<&TSkinData::SkinStore, &TSkinData::SetSkinStore>("SkinStore"),
      props::Enum<&TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype>("SkinFormtype", kFormTypes),
      props::Text<&TSkinData::Version, &TSkinData::SetVersion>("Version"),
      props::Boolean<&TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate>("MenuUpdate"),
      props::Boolean<&TSkinData::MenuMerge, &TSkinData::SetMenuMerge>("MenuMerge"),
      props::Event<&TSkinData::SetOnSkinChanged>("OnSkinChanged"),
      props::Binary<&TSkinData::WriteSkinStream, &TSkinData::ReadSkinStream>("SkinStream"),
  }, [](host::TComponent* owner) -> host::TComponent* { return new TSkinData(owner); }};
  return info;
}

host::Bytes TSkinData::WriteSkinStream() const {
  const auto n = static_cast<std::uint32_t>(package_.size());
  host::Bytes out(4 + package_.size());
  for (int i = 0; i < 4; ++i) out[static_cast<size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(package_.begin(), package_.end(), out.begin() + 4);
  return out;
}

void TSkinData::ReadSkinStream(const host::Bytes& data) {
  if (data.size() < 4) throw host::Error("SkinStream holds no length.");
  const std::uint32_t n = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
  if (n != data.size() - 4)
    throw host::Error("SkinStream says " + std::to_string(n) + " bytes but holds " + std::to_string(data.size() - 4) + ".");
  if (n == 0) return;
  package_.assign(data.begin() + 4, data.end());
  LoadSkin();
}

bool TSkinData::LoadSkin() {
  skin_missing_ = true;
  refusal_.clear();
  store::TSkinReader reader;
  store::TMemoryStream package(package_);
  if (!reader.LoadPackage(package)) {
    refusal_ = reader.RefusalReason();
    return false;
  }
  store::TMemoryStream definition;
  std::string found;
  reader.ExtractByPattern(".ini", definition, found);
  definition.Seek(0);
  store::TQuickIni ini;
  ini.LoadFromStream(definition);
  ReadSkinDefinition(elements_, ini, reader);
  skin_missing_ = false;
  return true;
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (!GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetScrollBarInfo")) skin_controls_ &= ~Bit(xcScrollbar);
  TSkinManage& manager = TSkinManage::Create();
  manager.RegisterSkinData(this);
  MakeCaptionFont();
  if (form_type_ != TSkinFormType::sfMainform) {
    manager.Active = true;
    ++manager.State;
    if (auto* form = dynamic_cast<host::TForm*>(Owner())) manager.SkinWindow(form->Handle());
    return;
  }
  manager.InstallHook();
  if (active_) {
    if (skin_missing_)
      active_ = false;
    else
      manager.RequestAction(1, 250);
  }
  if (skin_controls_ & Bit(xcMainMenu))
    skin_controls_ &= ~Bit(xcMenuItem);
  else
    skin_controls_ &= ~Bit(xcSystemMenu);
  BuildApplicationIcon();
}

void TSkinData::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  TSkinManage* manager = TSkinManage::Instance();
  if (Loading() || !manager) return;
  switch (form_type_) {
    case TSkinFormType::sfMainform:
      if (active) {
        if (skin_missing_) return;
        manager->PendingSkinData = this;
        manager->RequestAction(1, 250);
        manager->State = 1;
      } else {
        manager->PendingSkinData = this;
        manager->RequestAction(2, 250);
      }
      break;
    case TSkinFormType::sfOnlyThisForm:
      manager->PendingSkinData = this;
      if (active && skin_missing_) return;
      manager->RequestAction(active ? 1 : 2, 250);
      break;
    case TSkinFormType::sfDialog:
    case TSkinFormType::sfDLL:
      break;
  }
}

void TSkinData::SetSkinFile(std::string path) {
  // Also while the form is read: a form that names a skin file stores no package.
  std::ifstream file(host::Widen(path).c_str(), std::ios::binary);
  if (!file) {
    skin_missing_ = true;
    skin_file_ = std::move(path);
    return;
  }
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!Loading() && !Acceptable(path, bytes)) return;
  skin_missing_ = true;
  skin_file_ = std::move(path);
  package_ = std::move(bytes);
  LoadSkin();
  if (form_type_ == TSkinFormType::sfMainform) ApplySkinChange();
}

// A package given at run time is checked whole before anything is replaced:
// an unusable one is refused with a message that says what is wrong, and the
// skin in use stays. An old package's notice is that message.
bool TSkinData::Acceptable(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  store::TSkinReader reader;
  bool old = false;
  const auto report = [this](std::string_view text) {
    OnRefusal ? OnRefusal(text) : store::ShowPackageNotice(text);
  };
  reader.OnOldPackage = [&old, &report](std::string_view text) {
    old = true;
    report(text);
  };
  const std::vector<std::string> problems = check::PackageProblems(bytes, reader);
  if (problems.empty()) return true;
  refusal_ = check::RefusalText(path, problems);
  if (!old) report(refusal_);
  return false;
}

void TSkinData::ApplySkinChange() {
  if (Loading()) return;
  if (!TSkinManage::Instance()) Loaded();
  TSkinManage& manager = *TSkinManage::Instance();
  manager.PendingSkinData = this;
  manager.ResetSkinData();
  if (manager.State == 1) manager.RequestAction(3, 250);
}

void TSkinData::FilterFormClass(std::string_view class_name, bool& do_skin) {
  if (OnFormSkin) {
    OnFormSkin(this, class_name, do_skin);
    return;
  }
  if (class_name == "SysMonthCal32") do_skin = false;
  if ((skin_controls_ & Bit(xcFastReport)) && class_name.starts_with("Tfr")) do_skin = false;
}

void TSkinData::NotifySkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::MakeCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    caption_font_.reset(CreateFontIndirectW(&metrics.lfCaptionFont));
  else
    caption_font_.reset(CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif"));
}

// The program's small icon on magenta, which the caption painter keys out.
void TSkinData::BuildApplicationIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  host::DibBitmap picture(cx, cy);
  const host::Brush magenta(CreateSolidBrush(RGB(255, 0, 255)));
  const RECT all{0, 0, cx, cy};
  FillRect(picture.Dc(), &all, magenta);
  host::Icon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, cx, cy, 0)));
  if (!icon) {
    app_icon_ = host::DibBitmap();
    return;
  }
  DrawIconEx(picture.Dc(), 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
  picture.SetTransparent(true);
  picture.SetTransparentColour(RGB(255, 0, 255));
  app_icon_ = std::move(picture);
}

}  // namespace skin
