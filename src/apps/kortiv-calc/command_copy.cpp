// copy IN.krt OUT.krt: reads a model and writes it back as the writer does.

#include <iostream>

#include "batch_document.h"
#include "commands.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {

int RunCopy(const Arguments& args) {
  StreamMessenger messenger(std::cerr, false);
  if (args.size() != 2) {
    messenger.Show("Использование: kortiv-calc copy IN.krt OUT.krt");
    return kExitUsageOrFile;
  }
  BatchDocument batch(messenger);
  Document& document = batch.document;
  if (!document.OpenFile(args[0])) return kExitUsageOrFile;
  return document.WriteModelTo(args[1]) ? kExitDone : kExitUsageOrFile;
}

}  // namespace kortiv::calc_cli
