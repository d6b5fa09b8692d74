// print MODEL.krt -o FILE.pdf --model | --plot | --results [--size WxH]
//       [run options]
// Renders a printout into a PDF as it would go to a printer of A4 at
// 600 dots per inch: the model (the scheme picture and the parameters of
// every element), the plot of the calculated model (its picture 640 x 400
// unless --size is given) or its results listing (the points chosen by
// --from, --to and --every). The header line carries the caption the
// desktop program shows for the model.

#ifdef KORTIV_CALC_WITH_DRAW

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <iostream>
#include <optional>

#include "batch_document.h"
#include "commands.h"
#include "draw/plot_painter.h"
#include "draw/printout.h"
#include "draw/scheme_picture.h"
#include "fitting_window.h"
#include "model/scheme.h"
#include "model_run.h"
#include "offscreen_painting.h"
#include "picture_size.h"
#include "results/frequency_results.h"
#include "results/model_listing.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"
#include "results/results_text.h"
#include "series/run_state.h"
#include "support/number_format.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

const std::string kPrintUsage =
    std::string("print MODEL.krt -o FILE.pdf --model|--plot|--results [--size WxH] ") +
    kRunOptionsUsage;

constexpr int kPrinterDotsPerInch = 600;

enum class Printout { kModel, kPlot, kResults };

struct PrintRequest {
  RunOptions options;
  Printout printout = Printout::kModel;
  PictureSize size;
};

std::optional<PrintRequest> ParsePrintRequest(const Arguments& args) {
  PrintRequest request;
  Arguments rest;
  int printouts = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--model" || args[i] == "--plot" || args[i] == "--results") {
      request.printout = args[i] == "--model"  ? Printout::kModel
                         : args[i] == "--plot" ? Printout::kPlot
                                               : Printout::kResults;
      ++printouts;
    } else if (args[i] == "--size") {
      const auto size = ++i < args.size() ? ParsePictureSize(args[i]) : std::nullopt;
      if (!size) return std::nullopt;
      request.size = *size;
    } else {
      rest.push_back(args[i]);
    }
  }
  std::optional<RunOptions> options = ParseRunOptions(rest);
  if (!options || options->output.empty() || printouts != 1) return std::nullopt;
  request.options = std::move(*options);
  return request;
}

// Paints one printout on the PDF writer.
using PaintPrintout = std::function<void(QPdfWriter&)>;

// Writes the PDF beside the file and renames it over it, so a failure
// leaves an older file as it was.
bool WritePdf(const std::string& path, const PaintPrintout& paint) {
  const QString temporary = QString::fromStdString(path + ".saving");
  {
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
      QPdfWriter pdf(&file);
      pdf.setResolution(kPrinterDotsPerInch);
      pdf.setPageSize(QPageSize(QPageSize::A4));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setCreator("Kortiv");
      paint(pdf);
    }
    if (file.error() != QFileDevice::NoError || !file.flush()) {
      file.remove();
      return false;
    }
  }
  QFile::remove(QString::fromStdString(path));
  return QFile::rename(temporary, QString::fromStdString(path));
}

PaintPrintout ModelPrintout(const Document& document, const UserSettings& settings,
                            const std::string& header) {
  const Scheme& scheme = document.scheme();
  const SchemeWindow window = FittingWindow(scheme);
  const DrawnPicture picture{SchemePictureSize(window), [&scheme, &settings, window](QPainter& p) {
                               DrawSchemePicture(p, scheme, settings.Styles, window);
                             }};
  const auto listing = ModelListing(scheme, SystemDecimalSeparator());
  return
      [picture, listing, &header](QPdfWriter& pdf) { PrintModel(pdf, header, picture, listing); };
}

PaintPrintout PlotPrintout(RunState& run, const UserSettings& settings, const PrintRequest& request,
                           PlotState& state, Messenger& messenger, const std::string& header) {
  PreparePlot(run, settings, request.options.portrait, state, messenger);
  const QSize size(request.size.width, request.size.height);
  const DrawnPicture picture{size, [&run, &state, &settings, size](QPainter& p) {
                               PaintPlot(p, QRect(QPoint(0, 0), size), run, state, settings);
                             }};
  return [picture, &header](QPdfWriter& pdf) { PrintPlot(pdf, header, picture); };
}

PaintPrintout ResultsPrintout(RunState& run, const UserSettings& settings,
                              const RunOptions& options, const std::string& header) {
  // As the plot window does before the table reads them.
  if (run.kind == RunKind::kFrequency) PrepareFrequencyResults(run, settings);
  const PrintedResults results{
      run,
      ResultsKindOf(run, options.portrait),
      {settings.FreqInHertz, settings.PhaseInDegrees},
      {options.from.value_or(0), options.every.value_or(1), options.to.value_or(run.last_point)},
      SystemDecimalSeparator()};
  return [results, &header](QPdfWriter& pdf) { PrintResults(pdf, header, results); };
}

}  // namespace

int RunPrint(const Arguments& args) {
  const std::optional<PrintRequest> request = ParsePrintRequest(args);
  StreamMessenger messenger(std::cerr, request && request->options.yes);
  if (!request) {
    messenger.Show("Использование: kortiv-calc " + kPrintUsage);
    return kExitUsageOrFile;
  }
  const RunOptions& options = request->options;
  const UserSettings settings = RunSettings(options);
  BatchDocument batch(messenger);
  Document& document = batch.document;
  bool interrupted = false;  // a stopped run is not printed
  const int prepared = request->printout == Printout::kModel
                           ? (document.OpenFile(options.model) ? kExitDone : kExitUsageOrFile)
                           : CalculateModelFile(options, settings, document, interrupted);
  if (prepared != kExitDone) return prepared;
  const std::string header =
      PrintoutHeader(ModelCaption(options.model, document.model_name()), CurrentDateTimeText());
  PlotState state;
  const PaintPrintout paint =
      request->printout == Printout::kModel ? ModelPrintout(document, settings, header)
      : request->printout == Printout::kPlot
          ? PlotPrintout(*document.results(), settings, *request, state, messenger, header)
          : ResultsPrintout(*document.results(), settings, options, header);
  const OffscreenPainting painting;
  if (!WritePdf(request->options.output, paint)) {
    messenger.Show("Файл " + request->options.output + " не удаётся создать.");
    return kExitUsageOrFile;
  }
  return kExitDone;
}

}  // namespace kortiv::calc_cli

#endif
