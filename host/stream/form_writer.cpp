#include "host/stream/form_writer.h"

#include <vector>

namespace host {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";
constexpr size_t kHexBytesPerLine = 32;

std::string Quote(const std::string& text) {
  if (text.empty()) return "''";
  std::string out;
  bool open = false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32) {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(byte);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    out += c == '\'' ? "''" : std::string(1, c);
  }
  if (open) out += '\'';
  return out;
}

class Writer {
public:
  explicit Writer(const TComponent& root) : root_(root) {}

  std::string Document() {
    Object(root_, 0);
    return out_;
  }

private:
  void Line(int depth, const std::string& text) { out_ += std::string(static_cast<size_t>(depth) * 2, ' ') + text + '\n'; }

  std::string Format(const Value& v, int depth) {
    const std::string indent(static_cast<size_t>(depth) * 2 + 2, ' ');
    if (const auto* s = std::get_if<std::string>(&v)) return Quote(*s);
    if (const auto* n = std::get_if<std::int64_t>(&v)) return std::to_string(*n);
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "True" : "False";
    if (const auto* id = std::get_if<Ident>(&v)) return id->name;
    if (const auto* set = std::get_if<SetOf>(&v)) {
      std::string out = "[";
      for (size_t i = 0; i < set->members.size(); ++i) out += (i ? ", " : "") + set->members[i];
      return out + "]";
    }
    if (const auto* list = std::get_if<StringList>(&v)) {
      std::string out = "(";
      for (const std::string& row : *list) out += "\n" + indent + "  " + Quote(row);
      return out + ")";
    }
    if (const auto* bytes = std::get_if<Bytes>(&v)) {
      std::string out = "{";
      for (size_t i = 0; i < bytes->size(); ++i) {
        if (i % kHexBytesPerLine == 0) out += "\n" + indent + "  ";
        out += kHex[(*bytes)[i] >> 4];
        out += kHex[(*bytes)[i] & 15];
      }
      return out + "}";
    }
    return {};
  }

  // Properties of obj, base classes first; owned objects' own properties under their path.
  void Properties(const TPersistent& obj, const TComponent& comp, const std::string& prefix, int depth) {
    std::vector<const ClassInfo*> chain;
    for (const ClassInfo* c = &obj.Class(); c; c = c->parent) chain.insert(chain.begin(), c);
    for (const ClassInfo* c : chain) {
      for (const PropInfo& p : c->props) {
        if (prefix.empty() && p.name == "Name") continue;  // written in the object line
        if (p.kind == PropKind::Object) {
          if (auto v = p.get(obj); TPersistent* sub = std::get<TPersistent*>(v))
            Properties(*sub, comp, prefix + std::string(p.name) + ".", depth);
          continue;
        }
        if (p.kind == PropKind::Collection) {
          if (auto* items = dynamic_cast<TCollection*>(std::get<TPersistent*>(p.get(obj))))
            Items(*items, comp, prefix + std::string(p.name), depth);
          continue;
        }
        if (p.kind == PropKind::Event) {
          if (prefix.empty())
            if (std::string handler = comp.HandlerName(p.name); !handler.empty())
              Line(depth + 1, std::string(p.name) + " = " + handler);
          continue;
        }
        if (!p.get || !p.set) continue;
        Line(depth + 1, prefix + std::string(p.name) + " = " + Format(p.get(obj), depth));
      }
    }
  }

  void Items(const TCollection& items, const TComponent& comp, const std::string& path, int depth) {
    Line(depth + 1, path + " = <");
    for (int i = 0; i < items.Count(); ++i) {
      Line(depth + 2, "item");
      Properties(items.Item(i), comp, "", depth + 2);
      Line(depth + 2, "end");
    }
    Line(depth + 1, ">");
  }

  void Object(const TComponent& comp, int depth) {
    Line(depth, "object " + comp.Name() + ": " + std::string(comp.ClassName()));
    Properties(comp, comp, "", depth);
    for (const TComponent* child : root_.Components()) {
      const TComponent* nest = child->GetParentComponent();
      if (nest == &comp || (&comp == &root_ && !nest)) Object(*child, depth + 1);
    }
    Line(depth, "end");
  }

  const TComponent& root_;
  std::string out_;
};

}  // namespace

std::string WriteStoredForm(const TComponent& root) { return Writer(root).Document(); }

}  // namespace host
