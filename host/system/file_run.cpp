#include "host/system/file_run.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {
constexpr std::string_view kShowCmdNames[] = {"scHide", "scShowNormal", "scShowMinimized", "scShowMaximized",
                                              "scShowNoActivate", "scShow", "scMinimize", "scShowMinNoActive",
                                              "scShowNA", "scRestore", "scDefault"};
const EnumInfo kShowCmds{"TShowCmd", kShowCmdNames};
}  // namespace

TActionList::~TActionList() {
  for (TFileRun* a : actions_) a->list_ = nullptr;
}

const ClassInfo& TActionList::Info() {
  static const ClassInfo info{"TActionList", &TComponent::Info(), {},
                              [](TComponent* owner) -> TComponent* { return new TActionList(owner); }};
  return info;
}

TFileRun::~TFileRun() {
  if (list_) std::erase(list_->actions_, this);
}

const ClassInfo& TFileRun::Info() {
  static const ClassInfo info{"TFileRun", &TComponent::Info(), {
      props::Text<&TFileRun::Category, &TFileRun::SetCategory>("Category"),
      props::Text<&TFileRun::Caption, &TFileRun::SetCaption>("Caption"),
      props::Text<&TFileRun::Hint, &TFileRun::SetHint>("Hint"),
      props::Text<&TFileRun::FileName, &TFileRun::SetFileName>("FileName"),
      props::Text<&TFileRun::Directory, &TFileRun::SetDirectory>("Directory"),
      props::Text<&TFileRun::Parameters, &TFileRun::SetParameters>("Parameters"),
      props::Text<&TFileRun::Operation, &TFileRun::SetOperation>("Operation"),
      props::Enum<&TFileRun::ShowCmd, &TFileRun::SetShowCmd>("ShowCmd", kShowCmds),
      props::Boolean<&TFileRun::Browse, &TFileRun::SetBrowse>("Browse"),
  }, [](TComponent* owner) -> TComponent* { return new TFileRun(owner); }};
  return info;
}

void TFileRun::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TActionList*>(parent)) {
    list_ = list;
    list->actions_.push_back(this);
  }
}

TComponent* TFileRun::GetParentComponent() const { return list_; }

void TFileRun::Execute() {
  // The wide call: paths and parameters may hold letters of any language.
  const std::wstring op = Widen(operation_), file = Widen(file_name_), params = Widen(parameters_),
                     dir = Widen(directory_);
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, op.empty() ? nullptr : op.c_str(), file.c_str(),
                                                              params.empty() ? nullptr : params.c_str(),
                                                              dir.empty() ? nullptr : dir.c_str(),
                                                              static_cast<int>(show_cmd_)));
  if (result <= 32) throw Error(SystemErrorText(static_cast<unsigned long>(result)));
}

}  // namespace host
