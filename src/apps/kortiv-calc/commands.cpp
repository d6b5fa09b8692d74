#include "commands.h"

namespace kortiv::calc_cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
  };
  return commands;
}

}  // namespace kortiv::calc_cli
