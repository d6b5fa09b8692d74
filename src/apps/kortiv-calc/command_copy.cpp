// copy IN.krt OUT.krt: reads a model and writes it back as the writer does.

#include <iostream>

#include "commands.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {

int RunCopy(const Arguments& args) {
  StreamMessenger messenger(std::cerr, false);
  if (args.size() != 2) {
    messenger.Show("Использование: kortiv-calc copy IN.krt OUT.krt");
    return kExitUsageOrFile;
  }
  Scheme scheme(messenger);
  const ModelReadResult model = ReadModelFile(args[0], scheme);
  if (!model.ok) return kExitUsageOrFile;
  return WriteModelFile(args[1], scheme, model.model_name) ? kExitDone : kExitUsageOrFile;
}

}  // namespace kortiv::calc_cli
