// skinpack: builds, lists, unpacks and checks skin packages.
#include <cstring>
#include <iostream>
#include <string_view>

#include "commands.h"

namespace {

constexpr const char* kUsage =
    "usage: skinpack pack DIR -o FILE.skn    pack every file of DIR, the definition first\n"
    "       skinpack list FILE               names and sizes of the entries\n"
    "       skinpack extract FILE -o DIR     write every entry into DIR\n"
    "       skinpack check FILE              report missing pictures, non-BMP entries, wrong names\n";

int Usage(std::string_view problem) {
  if (!problem.empty()) std::cerr << "skinpack: " << problem << "\n";
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("no command given");
  const std::string_view command = argv[1];
  if (command == "-h" || command == "--help" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  const bool withOutput = command == "pack" || command == "extract";
  if (command != "pack" && command != "extract" && command != "list" && command != "check") {
    return Usage("unknown command \"" + std::string(command) + "\"");
  }
  if (withOutput) {
    if (argc != 5 || std::strcmp(argv[3], "-o") != 0) return Usage(std::string(command) + " needs: INPUT -o OUTPUT");
  } else if (argc != 3) {
    return Usage(std::string(command) + " needs exactly one package file");
  }
  if (command == "pack") return skinpack::Pack(argv[2], argv[4], std::cout, std::cerr);
  if (command == "extract") return skinpack::Extract(argv[2], argv[4], std::cout, std::cerr);
  if (command == "list") return skinpack::List(argv[2], std::cout, std::cerr);
  return skinpack::Check(argv[2], std::cout, std::cerr);
}
