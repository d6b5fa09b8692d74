// plot MODEL.krt -o PICTURE [--size WxH] [run options]: calculates the model
// as `run` does and saves the picture of its plot as the plot window draws
// it (640 x 400 pixels unless given): SVG, PNG or JPEG by the name's
// extension (.svg, .png, .jpg or .jpeg), else a bitmap.

#ifdef KORTIV_CALC_WITH_DRAW

#include <QPainter>
#include <iostream>
#include <optional>
#include <string>

#include "batch_document.h"
#include "calc/status_texts.h"
#include "commands.h"
#include "draw/picture_export.h"
#include "draw/plot_painter.h"
#include "model_run.h"
#include "offscreen_painting.h"
#include "picture_size.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"
#include "series/run_state.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

const std::string kPlotUsage =
    std::string("plot MODEL.krt -o PICTURE [--size WxH] ") + kRunOptionsUsage;

struct PlotRequest {
  RunOptions options;
  PictureSize size;
};

// Takes --size out of the arguments and reads the rest as run options; the
// picture's name is required.
std::optional<PlotRequest> ParsePlotRequest(const Arguments& args) {
  PlotRequest request;
  Arguments rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--size") {
      rest.push_back(args[i]);
      continue;
    }
    const std::optional<PictureSize> size =
        ++i < args.size() ? ParsePictureSize(args[i]) : std::nullopt;
    if (!size) return std::nullopt;
    request.size = *size;
  }
  std::optional<RunOptions> options = ParseRunOptions(rest);
  if (!options || options->output.empty()) return std::nullopt;
  request.options = std::move(*options);
  return request;
}

}  // namespace

int RunPlot(const Arguments& args) {
  const std::optional<PlotRequest> request = ParsePlotRequest(args);
  StreamMessenger messenger(std::cerr, request && request->options.yes);
  if (!request) {
    messenger.Show("Использование: kortiv-calc " + kPlotUsage);
    return kExitUsageOrFile;
  }
  const RunOptions& options = request->options;
  const UserSettings settings = RunSettings(options);
  BatchDocument batch(messenger);
  Document& document = batch.document;
  bool interrupted = false;
  const int calculated = CalculateModelFile(options, settings, document, interrupted);
  if (interrupted) messenger.Show(kInterruptedText);
  if (calculated != kExitDone) return calculated;
  RunState& run = *document.results();

  PlotState state;
  PreparePlot(run, settings, options.portrait, state, messenger);
  const OffscreenPainting painting;
  const QSize size(request->size.width, request->size.height);
  const DrawnPicture picture{size, [&](QPainter& painter) {
                               PaintPlot(painter, QRect(QPoint(0, 0), size), run, state, settings);
                             }};
  const PictureFormat format = PictureFormatForName(options.output);
  if (!ExportPicture(picture, options.output, format)) {
    messenger.Show("Файл " + ExportedPictureName(options.output, format) + " не удаётся создать.");
    return kExitUsageOrFile;
  }
  return kExitDone;
}

}  // namespace kortiv::calc_cli

#endif
