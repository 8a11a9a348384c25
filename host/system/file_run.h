#pragma once
#include <string>
#include <vector>

#include "host/core/component.h"

namespace host {

class TFileRun;

// Holds actions; the stored form nests them inside it.
class TActionList : public TComponent {
public:
  explicit TActionList(TComponent* owner) : TComponent(owner) {}
  ~TActionList() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
  const std::vector<TFileRun*>& Actions() const { return actions_; }

private:
  friend class TFileRun;
  std::vector<TFileRun*> actions_;
};

enum class TShowCmd { scHide, scShowNormal, scShowMinimized, scShowMaximized, scShowNoActivate, scShow,
                      scMinimize, scShowMinNoActive, scShowNA, scRestore, scDefault };

// Starts a program or opens a document through the shell.
class TFileRun : public TComponent {
public:
  explicit TFileRun(TComponent* owner) : TComponent(owner) {}
  ~TFileRun() override;
  static const ClassInfo& Info();
  const ClassInfo& Class() const override { return Info(); }
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

#define HOST_TEXT_PROP(Name, field) \
  const std::string& Name() const { return field; } \
  void Set##Name(std::string v) { field = std::move(v); }
  HOST_TEXT_PROP(Category, category_)
  HOST_TEXT_PROP(Caption, caption_)
  HOST_TEXT_PROP(Hint, hint_)
  HOST_TEXT_PROP(FileName, file_name_)
  HOST_TEXT_PROP(Directory, directory_)
  HOST_TEXT_PROP(Parameters, parameters_)
  HOST_TEXT_PROP(Operation, operation_)
#undef HOST_TEXT_PROP
  TShowCmd ShowCmd() const { return show_cmd_; }
  void SetShowCmd(TShowCmd cmd) { show_cmd_ = cmd; }
  bool Browse() const { return browse_; }
  void SetBrowse(bool browse) { browse_ = browse; }

  // Throws host::Error with the system's text when the shell cannot start it.
  void Execute();

private:
  friend class TActionList;
  TActionList* list_ = nullptr;
  std::string category_, caption_, hint_, file_name_, directory_, parameters_, operation_ = "open";
  TShowCmd show_cmd_ = TShowCmd::scShowNormal;
  bool browse_ = false;
};

}  // namespace host
