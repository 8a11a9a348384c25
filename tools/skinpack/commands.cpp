#include "commands.h"

#include <algorithm>
#include <map>
#include <memory>
#include <ostream>
#include <set>

#include "files.h"
#include "package_check.h"
#include "package_writer.h"
#include "skin/store/ascii.h"
#include "skin/store/skin_reader.h"

namespace skinpack {
namespace {

namespace fs = std::filesystem;
using skin::store::TEntrySink;
using skin::store::TMemoryStream;
using skin::store::TSkinReader;

bool IsDefinition(const std::string& name) { return name.size() >= 4 && name.ends_with(".ini"); }

// Loads a package file, whole or through `sink`; on failure reports why and
// returns false.
bool Load(const fs::path& path, TSkinReader& reader, std::ostream& err, const TEntrySink* sink = nullptr) {
  reader.OnOldPackage = nullptr;
  TFileInput stream(path);
  if (!(sink != nullptr ? reader.StreamPackage(stream, *sink) : reader.LoadPackage(stream))) {
    err << "skinpack: " << path.string() << ": not a usable skin package: " << reader.RefusalReason() << "\n";
    return false;
  }
  return true;
}

// A name that is safe to create inside the target folder, or why not.
std::string UnsafeName(const std::string& name) {
  if (name.empty()) return "the name is empty";
  if (name == "." || name == "..") return "the name is a folder reference";
  for (unsigned char c : name) {
    if (c < 32 || c == '/' || c == '\\' || c == ':') return "the name holds a folder separator or control character";
  }
  return {};
}

template <class Body>
int Guarded(std::ostream& err, Body&& body) {
  try {
    return body();
  } catch (const std::exception& e) {
    err << "skinpack: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

int Pack(const fs::path& folder, const fs::path& output, std::ostream& out, std::ostream& err) {
  return Guarded(err, [&] {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
      err << "skinpack: " << folder.string() << " is not a folder\n";
      return 1;
    }
    std::map<std::string, fs::path> files;  // by lower-cased name
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
      if (!e.is_regular_file()) {
        err << "skinpack: skipping " << e.path().string() << ": not a plain file\n";
        continue;
      }
      const std::string name = skin::store::AsciiLowerCase(e.path().filename().string());
      if (!files.emplace(name, e.path()).second) {
        err << "skinpack: " << files[name].string() << " and " << e.path().string()
            << " have the same name once lower-cased\n";
        return 1;
      }
    }
    std::vector<Entry> entries;
    for (const auto& [name, path] : files) {
      if (IsDefinition(name)) entries.push_back({name, ReadFile(path)});
    }
    if (entries.size() != 1) {
      err << "skinpack: " << folder.string() << " must hold exactly one definition (.ini file), not "
          << entries.size() << "\n";
      return 1;
    }
    for (const auto& [name, path] : files) {
      if (!IsDefinition(name)) entries.push_back({name, ReadFile(path)});
    }

    const std::vector<std::uint8_t> container = BuildContainer(entries);
    const std::vector<std::uint8_t> package = Compress(container);

    // The written package must read back through the engine's own reader.
    TSkinReader reader;
    reader.OnOldPackage = nullptr;
    TMemoryStream check(package);
    if (!reader.LoadPackage(check) || reader.Count() != entries.size()) {
      err << "skinpack: internal error: the package does not read back (" << reader.RefusalReason() << ")\n";
      return 1;
    }
    WriteFile(output, package);
    out << "packed " << entries.size() << " entries, " << container.size() << " bytes into " << package.size()
        << " bytes: " << output.string() << "\n";
    return 0;
  });
}

int List(const fs::path& package, std::ostream& out, std::ostream& err) {
  return Guarded(err, [&] {
    TSkinReader reader;
    const TEntrySink names{nullptr, [](std::size_t, std::span<const std::uint8_t>, bool) {}};
    if (!Load(package, reader, err, &names)) return 1;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
      const std::string size = std::to_string(reader.EntrySize(i));
      out << std::string(size.size() < 10 ? 10 - size.size() : 0, ' ') << size << "  " << reader.Names()[i] << "\n";
      total += reader.EntrySize(i);
    }
    out << reader.Count() << " entries, " << total << " bytes\n";
    return 0;
  });
}

// Entries go straight from the decoder into their files: a large package is
// never held whole.
int Extract(const fs::path& package, const fs::path& folder, std::ostream& out, std::ostream& err) {
  return Guarded(err, [&] {
    TSkinReader reader;
    std::vector<bool> wanted;  // false for an entry whose name came earlier
    std::unique_ptr<TFileOutput> file;
    int status = 0;
    TEntrySink sink;
    sink.OnDirectory = [&] {
      for (std::size_t i = 0; i < reader.Count(); ++i) {
        if (const std::string why = UnsafeName(reader.Names()[i]); !why.empty()) {
          throw std::runtime_error(package.string() + ": entry " + std::to_string(i + 1) + " \"" +
                                   reader.Names()[i] + "\" cannot be extracted: " + why + "; nothing was written");
        }
      }
      std::set<std::string> seen;
      for (std::size_t i = 0; i < reader.Count(); ++i) {
        wanted.push_back(seen.insert(reader.Names()[i]).second);
        if (!wanted.back()) {
          err << "skinpack: entry " << (i + 1) << " \"" << reader.Names()[i]
              << "\" repeats an earlier name; not extracted\n";
          status = 1;
        }
      }
      fs::create_directories(folder);
    };
    sink.OnPiece = [&](std::size_t index, std::span<const std::uint8_t> piece, bool last) {
      if (!wanted[index]) return;
      if (!file) file = std::make_unique<TFileOutput>(folder / reader.Names()[index]);
      file->Write(piece);
      if (!last) return;
      file->Finish();
      file.reset();
    };
    if (!Load(package, reader, err, &sink)) return 1;
    if (reader.Truncated()) {
      err << "skinpack: " << package.string() << ": the package is cut short: its compressed stream ends before the "
          << reader.DeclaredSize() << " bytes it declares, so the last entries end in zero bytes\n";
      status = 1;
    }
    out << "extracted " << std::count(wanted.begin(), wanted.end(), true) << " entries into " << folder.string()
        << "\n";
    return status;
  });
}

int Check(const fs::path& package, std::ostream& out, std::ostream& err) {
  return Guarded(err, [&] {
    TSkinReader reader;
    if (!Load(package, reader, err)) return 1;
    const std::vector<std::string> problems = CheckPackage(reader);
    for (const std::string& p : problems) err << package.string() << ": " << p << "\n";
    if (!problems.empty()) {
      err << package.string() << ": " << problems.size() << " problem(s)\n";
      return 1;
    }
    out << package.string() << ": " << reader.Count() << " entries, no problems\n";
    return 0;
  });
}

}  // namespace skinpack
