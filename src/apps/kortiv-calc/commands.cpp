#include "commands.h"

namespace kortiv::calc_cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"example", "example K -o FILE.krt", RunExample},
      {"copy", "copy IN.krt OUT.krt", RunCopy},
      {"info", "info MODEL.krt", RunInfo},
      {"check", "check MODEL.krt [--yes]", RunCheck},
      {"graph", "graph MODEL.krt [--yes]", RunGraph},
      {"run",
       "run MODEL.krt [-o FILE] [--xlsx BOOK.xlsx] [--portrait] [--from A] [--to C] [--every B] "
       "[--settings Kortiv.usr] [--deriv K] [--ode K] [--hertz] [--degrees] [--no-unwrap] "
       "[--yes]",
       RunRun},
      {"set", "set MODEL.krt N VALUE... [-o OUT.krt]", RunSet},
#ifdef KORTIV_CALC_WITH_DRAW
      {"scheme", "scheme MODEL.krt -o PICTURE [--cols C --rows R] [--origin ROW,COL]", RunScheme},
      {"plot", "plot MODEL.krt -o PICTURE [--size WxH] [run options]", RunPlot},
      {"print", "print MODEL.krt -o FILE.pdf --model|--plot|--results [--size WxH] [run options]",
       RunPrint},
#endif
  };
  return commands;
}

}  // namespace kortiv::calc_cli
