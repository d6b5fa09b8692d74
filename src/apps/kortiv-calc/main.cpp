// kortiv-calc: the batch runner. Checks, calculates and draws models without
// the desktop program; every message goes to standard error.

#include <iostream>
#include <new>
#include <string>

#include "commands.h"

int main(int argc, char** argv) {
  using kortiv::calc_cli::Commands;
  const std::string command = argc > 1 ? argv[1] : "";
  for (const auto& entry : Commands()) {
    if (command != entry.name) continue;
    try {
      return entry.run(kortiv::calc_cli::Arguments(argv + 2, argv + argc));
    } catch (const std::bad_alloc&) {
      // The calculation puts the model and earlier results back itself;
      // whatever else runs out of memory ends here with a message, not an
      // abort.
      std::cerr << "Недостаточно памяти для расчёта.\n";
      return kortiv::calc_cli::kExitRefused;
    }
  }
  std::cerr << "Использование:\n";
  for (const auto& entry : Commands()) std::cerr << "  kortiv-calc " << entry.usage << '\n';
  return 2;
}
