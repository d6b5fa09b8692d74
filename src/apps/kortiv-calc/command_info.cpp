// info MODEL.krt: prints the model's counts, integration values and one
// tab-separated line per element.

#include <iostream>

#include "batch_document.h"
#include "commands.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "support/number_format.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

std::string Value(float value) {
  return FormatGeneral(value, 7, 2);
}

void PrintElement(const Scheme& scheme, int n, std::ostream& out) {
  const Cell cell = scheme.GetStoredPosition(n);
  out << n << '\t' << cell.row << '\t' << cell.column << '\t' << scheme.GetCode(n) << '\t'
      << ElementName(scheme.GetCode(n)) << '\t' << scheme.GetOrientation(n) << '\t'
      << scheme.GetControlPoint(n) << '\t' << scheme.GetParamCount(n) << '\t'
      << scheme.GetParamAddress(n);
  if (scheme.GetParamAddress(n) > 0) {
    for (int i = 0; i < scheme.GetParamCount(n); ++i)
      out << '\t' << Value(scheme.ElementParam(n, i));
  }
  out << '\n';
}

}  // namespace

int RunInfo(const Arguments& args) {
  StreamMessenger messenger(std::cerr, false);
  if (args.size() != 1) {
    messenger.Show("Использование: kortiv-calc info MODEL.krt");
    return kExitUsageOrFile;
  }
  BatchDocument batch(messenger);
  Document& document = batch.document;
  if (!document.OpenFile(args[0])) return kExitUsageOrFile;
  const Scheme& scheme = document.scheme();
  std::ostream& out = std::cout;
  out << "Модель\t" << document.model_name() << '\n'
      << "ElementCount\t" << scheme.ElementCount() << '\n'
      << "ParamTop\t" << scheme.ParamTop() << '\n'
      << "ParamBlockCount\t" << scheme.ParamBlockCount() << '\n'
      << "ControlPointCount\t" << scheme.ControlPointCount() << '\n'
      << "T0\t" << Value(scheme.T0()) << '\n'
      << "h\t" << Value(scheme.H()) << '\n'
      << "Tk\t" << Value(scheme.Tk()) << '\n'
      << "№\tстрока\tстолбец\tкод\tимя\tориентация\tточка\tParamCount\tParamAddress\tпараметры\n";
  for (int n = 1; n <= scheme.ElementCount(); ++n) PrintElement(scheme, n, out);
  return kExitDone;
}

}  // namespace kortiv::calc_cli
