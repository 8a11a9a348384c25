#include "host/core/properties.h"

#include <map>

#include "host/core/colour.h"
#include "host/core/error.h"
#include "host/core/text.h"

namespace host {
namespace {

std::map<std::string, const ClassInfo*>& Registry() {
  static std::map<std::string, const ClassInfo*> classes;
  return classes;
}

}  // namespace

int EnumInfo::IndexOf(std::string_view ident) const noexcept {
  for (size_t i = 0; i < members.size(); ++i)
    if (SameText(members[i], ident)) return static_cast<int>(i);
  return -1;
}

const PropInfo* ClassInfo::FindProp(std::string_view prop) const noexcept {
  for (const ClassInfo* c = this; c; c = c->parent)
    for (const PropInfo& p : c->props)
      if (SameText(p.name, prop)) return &p;
  return nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& base) const noexcept {
  for (const ClassInfo* c = this; c; c = c->parent)
    if (c == &base) return true;
  return false;
}

void RegisterComponentClass(const ClassInfo& info) { Registry()[LowerCase(info.name)] = &info; }

const ClassInfo* FindClass(std::string_view name) noexcept {
  const auto it = Registry().find(LowerCase(name));
  return it == Registry().end() ? nullptr : it->second;
}

Value Coerce(const PropInfo& prop, const Value& value) {
  const auto fail = [&](std::string_view what) -> Value {
    throw Error("Property " + std::string(prop.name) + " takes " + std::string(what));
  };
  switch (prop.kind) {
    case PropKind::Text:
      if (!std::holds_alternative<std::string>(value)) return fail("a text");
      return value;
    case PropKind::Integer:
      if (!std::holds_alternative<std::int64_t>(value)) return fail("an integer");
      return value;
    case PropKind::Color:
      if (std::holds_alternative<std::int64_t>(value)) return value;
      if (const auto* id = std::get_if<Ident>(&value))
        if (auto c = ColourFromIdent(id->name)) return std::int64_t{*c};
      return fail("a colour");
    case PropKind::Boolean:
      if (std::holds_alternative<bool>(value)) return value;
      if (const auto* id = std::get_if<Ident>(&value)) {
        if (SameText(id->name, "True")) return true;
        if (SameText(id->name, "False")) return false;
      }
      return fail("True or False");
    case PropKind::Enum: {
      if (const auto* id = std::get_if<Ident>(&value)) {
        const int i = prop.type->IndexOf(id->name);
        if (i < 0) return fail("a member of " + std::string(prop.type->name) + ", not " + id->name);
        return std::int64_t{i};
      }
      if (const auto* n = std::get_if<std::int64_t>(&value))
        if (*n >= 0 && static_cast<size_t>(*n) < prop.type->members.size()) return value;
      return fail("a member of " + std::string(prop.type->name));
    }
    case PropKind::Set: {
      if (std::holds_alternative<std::int64_t>(value)) return value;
      const auto* s = std::get_if<SetOf>(&value);
      if (!s) return fail("a set of " + std::string(prop.type->name));
      std::int64_t mask = 0;
      for (const std::string& m : s->members) {
        const int i = prop.type->IndexOf(m);
        if (i < 0) return fail("members of " + std::string(prop.type->name) + ", not " + m);
        mask |= std::int64_t{1} << i;
      }
      return mask;
    }
    case PropKind::Object:
      return fail("no value: it is an object");
    case PropKind::Collection:
      return fail("items: < item ... end >");
    case PropKind::Strings:
      if (!std::holds_alternative<StringList>(value)) return fail("a list of texts");
      return value;
    case PropKind::Binary:
      if (!std::holds_alternative<Bytes>(value)) return fail("binary data");
      return value;
    case PropKind::Event:
      if (!std::holds_alternative<NotifyEvent>(value)) return fail("an event handler");
      return value;
  }
  return fail("a value");
}

std::optional<Value> GetPropValue(const TPersistent& obj, std::string_view name) {
  const PropInfo* p = obj.Class().FindProp(name);
  if (!p || !p->get) return std::nullopt;
  return p->get(obj);
}

bool SetPropValue(TPersistent& obj, std::string_view name, const Value& value) {
  const PropInfo* p = obj.Class().FindProp(name);
  if (!p || !p->set) return false;
  Value v;
  try {
    v = Coerce(*p, value);
  } catch (const Error&) {
    return false;
  }
  p->set(obj, v);
  return true;
}

namespace {
template <class T>
std::optional<T> GetAs(const TPersistent& obj, std::string_view name) {
  auto v = GetPropValue(obj, name);
  if (!v) return std::nullopt;
  if (auto* x = std::get_if<T>(&*v)) return std::move(*x);
  return std::nullopt;
}
}  // namespace

std::optional<std::string> GetTextProp(const TPersistent& obj, std::string_view name) {
  return GetAs<std::string>(obj, name);
}
std::optional<std::int64_t> GetIntProp(const TPersistent& obj, std::string_view name) {
  return GetAs<std::int64_t>(obj, name);
}
std::optional<bool> GetBoolProp(const TPersistent& obj, std::string_view name) { return GetAs<bool>(obj, name); }
std::optional<std::string> GetEnumProp(const TPersistent& obj, std::string_view name) {
  auto id = GetAs<Ident>(obj, name);
  return id ? std::optional<std::string>(id->name) : std::nullopt;
}
TPersistent* GetObjectProp(const TPersistent& obj, std::string_view name) {
  auto p = GetAs<TPersistent*>(obj, name);
  return p ? *p : nullptr;
}

}  // namespace host
