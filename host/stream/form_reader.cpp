#include "host/stream/form_reader.h"

#include <windows.h>

#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
  throw Error("Stored form, line " + std::to_string(line) + ": " + what);
}

void ReadProperty(TComponent& root, TComponent& comp, TPersistent& obj, const StoredProperty& prop);

// The stored items replace the collection's.
void ReadItems(TComponent& root, TComponent& comp, TCollection& collection, const StoredProperty& prop) {
  collection.Clear();
  for (const StoredObject& stored : prop.items) {
    TPersistent& item = collection.AddItem();
    for (const StoredProperty& p : stored.props) ReadProperty(root, comp, item, p);
  }
}

void ReadProperty(TComponent& root, TComponent& comp, TPersistent& obj, const StoredProperty& prop) {
  TPersistent* target = &obj;
  std::string_view path = prop.name;
  for (size_t dot; (dot = path.find('.')) != std::string_view::npos; path.remove_prefix(dot + 1)) {
    target = GetObjectProp(*target, path.substr(0, dot));
    if (!target) Fail(prop.line, comp.Name() + " has no object property " + std::string(path.substr(0, dot)));
  }
  const PropInfo* info = target->Class().FindProp(path);
  if (info && info->kind == PropKind::Collection) {
    auto* collection = dynamic_cast<TCollection*>(GetObjectProp(*target, path));
    if (!collection || !prop.collection) Fail(prop.line, std::string(path) + " takes items: < item ... end >");
    ReadItems(root, comp, *collection, prop);
    return;
  }
  if (!info || !info->set) Fail(prop.line, std::string(target->ClassName()) + " has no writable property " + std::string(path));
  if (prop.collection) Fail(prop.line, std::string(path) + " is not a collection");

  Value value = prop.value;
  if (info->kind == PropKind::Event) {
    const auto* method = std::get_if<Ident>(&prop.value);
    if (!method) Fail(prop.line, std::string(path) + " takes the name of a handler");
    NotifyEvent handler = root.FindMethod(method->name);
    if (!handler) Fail(prop.line, root.Name() + " has no handler " + method->name);
    comp.SetHandlerName(info->name, method->name);
    value = std::move(handler);
  }
  try {
    info->set(*target, Coerce(*info, value));
  } catch (const Error& e) {
    Fail(prop.line, e.what());
  }
}

void ReadInto(TComponent& root, TComponent& comp, const StoredObject& stored, std::vector<TComponent*>& loaded) {
  comp.BeginLoading();
  loaded.push_back(&comp);
  comp.SetName(stored.name);
  for (const StoredProperty& prop : stored.props) ReadProperty(root, comp, comp, prop);
  for (const StoredObject& child : stored.children) {
    const ClassInfo* cls = FindClass(child.class_name);
    if (!cls || !cls->create) Fail(child.line, "unknown class " + child.class_name);
    if (root.FindComponent(child.name)) Fail(child.line, "a second component named " + child.name);
    TComponent* made = cls->create(&root);
    made->SetParentComponent(&comp);
    ReadInto(root, *made, child, loaded);
  }
}

}  // namespace

void ReadComponent(TComponent& root, const StoredObject& stored) {
  if (!SameText(stored.class_name, root.ClassName()))
    Fail(stored.line, "stored form of " + stored.class_name + " read into " + std::string(root.ClassName()));
  std::vector<TComponent*> loaded;
  ReadInto(root, root, stored, loaded);
  for (TComponent* c : loaded) c->Loaded();
}

void ReadStoredForm(TComponent& root) {
  const std::wstring name = Widen(root.ClassName());
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC res = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL data = res ? LoadResource(module, res) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw Error("The program holds no stored form for " + std::string(root.ClassName()) + ".");
  const std::string_view text(static_cast<const char*>(bytes), SizeofResource(module, res));
  ReadComponent(root, ParseStoredForm(text));
}

}  // namespace host
