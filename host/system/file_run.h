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

  const std::string& Category() const { return category_; }
  void SetCategory(std::string v) { category_ = std::move(v); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string v) { caption_ = std::move(v); }
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string v) { hint_ = std::move(v); }
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string v) { file_name_ = std::move(v); }
  const std::string& Directory() const { return directory_; }
  void SetDirectory(std::string v) { directory_ = std::move(v); }
  const std::string& Parameters() const { return parameters_; }
  void SetParameters(std::string v) { parameters_ = std::move(v); }
  const std::string& Operation() const { return operation_; }
  void SetOperation(std::string v) { operation_ = std::move(v); }
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
