// kortiv-calc: the batch runner. Checks, calculates and draws models without
// the desktop program; every message goes to standard error.

#include <iostream>
#include <string>

#include "commands.h"

int main(int argc, char** argv) {
  using kortiv::calc_cli::Commands;
  const std::string command = argc > 1 ? argv[1] : "";
  for (const auto& entry : Commands()) {
    if (command == entry.name) {
      return entry.run(kortiv::calc_cli::Arguments(argv + 2, argv + argc));
    }
  }
  std::cerr << "Использование:\n";
  for (const auto& entry : Commands()) std::cerr << "  kortiv-calc " << entry.usage << '\n';
  return 2;
}
