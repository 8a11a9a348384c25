#pragma once
// Published properties: each class declares its properties once, in a table of
// its ClassInfo, and anyone can read and write them by name (the stored-form
// reader, and skinners asking a control for its "Caption" or "Checked").
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace host {

class TPersistent;
class TComponent;
struct ClassInfo;

using NotifyEvent = std::function<void(TComponent* sender)>;
using Bytes = std::vector<std::uint8_t>;
using StringList = std::vector<std::string>;

// An enumeration or boolean value written as its identifier ("bsSingle", "True").
struct Ident {
  std::string name;
  bool operator==(const Ident&) const = default;
};
// A set written as its members' identifiers.
struct SetOf {
  std::vector<std::string> members;
  bool operator==(const SetOf&) const = default;
};

using Value = std::variant<std::monostate, std::string, std::int64_t, bool, Ident, SetOf, TPersistent*, StringList,
                           Bytes, NotifyEvent>;

enum class PropKind { Text, Integer, Color, Boolean, Enum, Set, Object, Strings, Binary, Event, Collection };

// Member names of an enumeration in ordinal order; for a set, bit i is member i.
struct EnumInfo {
  std::string_view name;
  std::span<const std::string_view> members;
  int IndexOf(std::string_view ident) const noexcept;  // -1 when unknown; case-insensitive
};

struct PropInfo {
  std::string_view name;
  PropKind kind;
  const EnumInfo* type = nullptr;  // Enum and Set
  std::function<Value(const TPersistent&)> get;
  std::function<void(TPersistent&, const Value&)> set;
};

struct ClassInfo {
  std::string_view name;
  const ClassInfo* parent;
  std::vector<PropInfo> props;
  TComponent* (*create)(TComponent* owner) = nullptr;  // null for classes not made by name

  const PropInfo* FindProp(std::string_view prop) const noexcept;  // own and inherited, case-insensitive
  bool InheritsFrom(const ClassInfo& base) const noexcept;
};

// The base of everything that has published properties.
class TPersistent {
public:
  virtual ~TPersistent() = default;
  virtual const ClassInfo& Class() const = 0;
  std::string_view ClassName() const { return Class().name; }
};

// A published list of items of one kind, each with published properties of
// its own (a status bar's panels); stored as < item ... end item ... end >.
class TCollection : public TPersistent {
public:
  virtual int Count() const = 0;
  virtual TPersistent& Item(int index) const = 0;
  virtual TPersistent& AddItem() = 0;
  virtual void Clear() = 0;
};

// Registry of the classes the stored-form reader may create by name.
void RegisterComponentClass(const ClassInfo& info);
const ClassInfo* FindClass(std::string_view name) noexcept;

// Reading and writing by name. Get answers nullopt and Set false for an unknown
// property, a read-only or write-only one, or a value of the wrong kind.
std::optional<Value> GetPropValue(const TPersistent& obj, std::string_view name);
bool SetPropValue(TPersistent& obj, std::string_view name, const Value& value);

std::optional<std::string> GetTextProp(const TPersistent& obj, std::string_view name);
std::optional<std::int64_t> GetIntProp(const TPersistent& obj, std::string_view name);
std::optional<bool> GetBoolProp(const TPersistent& obj, std::string_view name);
std::optional<std::string> GetEnumProp(const TPersistent& obj, std::string_view name);
TPersistent* GetObjectProp(const TPersistent& obj, std::string_view name);

// Converts a value to what a property of that kind takes: an identifier to its
// boolean or ordinal, a set's identifiers to a bit mask. Throws host::Error.
Value Coerce(const PropInfo& prop, const Value& value);

// Builders for property tables. Getters and setters are member functions of the
// declaring class; Enum and Set properties use an enum (or mask) type and an EnumInfo.
namespace props {

template <class M> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...) const> { using type = C; };
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> { using type = C; };
template <auto F> using Cls = typename MemberOf<decltype(F)>::type;

template <auto G, auto S>
PropInfo Text(std::string_view name) {
  return {name, PropKind::Text, nullptr,
          [](const TPersistent& o) { return Value(std::string((static_cast<const Cls<G>&>(o).*G)())); },
          [](TPersistent& o, const Value& v) { (static_cast<Cls<S>&>(o).*S)(std::get<std::string>(v)); }};
}

template <auto G, auto S>
PropInfo Integer(std::string_view name) {
  return {name, PropKind::Integer, nullptr,
          [](const TPersistent& o) { return Value(static_cast<std::int64_t>((static_cast<const Cls<G>&>(o).*G)())); },
          [](TPersistent& o, const Value& v) { (static_cast<Cls<S>&>(o).*S)(static_cast<int>(std::get<std::int64_t>(v))); }};
}

// A colour: an integer, or a colour's identifier ("clBtnFace").
template <auto G, auto S>
PropInfo Color(std::string_view name) {
  PropInfo p = Integer<G, S>(name);
  p.kind = PropKind::Color;
  return p;
}

template <auto G, auto S>
PropInfo Boolean(std::string_view name) {
  return {name, PropKind::Boolean, nullptr,
          [](const TPersistent& o) { return Value(static_cast<bool>((static_cast<const Cls<G>&>(o).*G)())); },
          [](TPersistent& o, const Value& v) { (static_cast<Cls<S>&>(o).*S)(std::get<bool>(v)); }};
}

template <auto G, auto S>
PropInfo Enum(std::string_view name, const EnumInfo& type) {
  using E = std::remove_cvref_t<decltype((std::declval<const Cls<G>&>().*G)())>;
  return {name, PropKind::Enum, &type,
          [&type](const TPersistent& o) {
            const auto i = static_cast<size_t>((static_cast<const Cls<G>&>(o).*G)());
            return Value(Ident{std::string(i < type.members.size() ? type.members[i] : std::string_view{})});
          },
          [](TPersistent& o, const Value& v) {
            (static_cast<Cls<S>&>(o).*S)(static_cast<E>(std::get<std::int64_t>(v)));
          }};
}

// A set property's getter and setter take the bit mask (bit i = member i).
template <auto G, auto S>
PropInfo Set(std::string_view name, const EnumInfo& type) {
  return {name, PropKind::Set, &type,
          [&type](const TPersistent& o) {
            const auto mask = static_cast<std::uint64_t>((static_cast<const Cls<G>&>(o).*G)());
            SetOf s;
            for (size_t i = 0; i < type.members.size(); ++i)
              if (mask & (std::uint64_t{1} << i)) s.members.emplace_back(type.members[i]);
            return Value(std::move(s));
          },
          [](TPersistent& o, const Value& v) {
            (static_cast<Cls<S>&>(o).*S)(static_cast<std::uint32_t>(std::get<std::int64_t>(v)));
          }};
}

// An owned sub-object (a font, a bitmap): read to reach its own properties.
template <auto G>
PropInfo Object(std::string_view name) {
  return {name, PropKind::Object, nullptr,
          [](const TPersistent& o) {
            return Value(static_cast<TPersistent*>((static_cast<const Cls<G>&>(o).*G)()));
          },
          nullptr};
}

// An owned collection: read to reach, clear and fill its items.
template <auto G>
PropInfo Collection(std::string_view name) {
  PropInfo p = Object<G>(name);
  p.kind = PropKind::Collection;
  return p;
}

template <auto G, auto S>
PropInfo Strings(std::string_view name) {
  return {name, PropKind::Strings, nullptr,
          [](const TPersistent& o) { return Value(StringList((static_cast<const Cls<G>&>(o).*G)())); },
          [](TPersistent& o, const Value& v) { (static_cast<Cls<S>&>(o).*S)(std::get<StringList>(v)); }};
}

// A block of bytes that the component writes and reads itself.
template <auto W, auto R>
PropInfo Binary(std::string_view name) {
  return {name, PropKind::Binary, nullptr,
          [](const TPersistent& o) { return Value((static_cast<const Cls<W>&>(o).*W)()); },
          [](TPersistent& o, const Value& v) { (static_cast<Cls<R>&>(o).*R)(std::get<Bytes>(v)); }};
}

template <auto S>
PropInfo Event(std::string_view name) {
  return {name, PropKind::Event, nullptr, nullptr,
          [](TPersistent& o, const Value& v) { (static_cast<Cls<S>&>(o).*S)(std::get<NotifyEvent>(v)); }};
}

}  // namespace props
}  // namespace host
