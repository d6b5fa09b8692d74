// example K -o FILE.krt: writes built-in example K as a model file.

#include <iostream>

#include "batch_document.h"
#include "commands.h"
#include "model/builtin_examples.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {

int RunExample(const Arguments& args) {
  StreamMessenger messenger(std::cerr, false);
  const bool shaped = args.size() == 3 && args[1] == "-o";
  const int k = shaped && args[0].size() == 1 ? args[0][0] - '0' : 0;
  if (k < 1 || k > kBuiltinExampleCount) {
    messenger.Show("Использование: kortiv-calc example K -o FILE.krt (K от 1 до 6)");
    return kExitUsageOrFile;
  }
  BatchDocument batch(messenger);
  Document& document = batch.document;
  document.LoadExample(k);
  return document.WriteModelTo(args[2]) ? kExitDone : kExitUsageOrFile;
}

}  // namespace kortiv::calc_cli
