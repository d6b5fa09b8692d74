// plot MODEL.krt -o PICTURE [--size WxH] [run options]: calculates the model
// as `run` does and saves the picture of its plot as the plot window draws
// it (640 x 400 pixels unless given): a JPEG file when the name ends in .jpg
// or .jpeg, else a bitmap.

#ifdef KORTIV_CALC_WITH_DRAW

#include <QImage>
#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "batch_document.h"
#include "calc/status_texts.h"
#include "commands.h"
#include "draw/picture_file.h"
#include "draw/plot_painter.h"
#include "model_run.h"
#include "offscreen_painting.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"
#include "series/run_state.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

const std::string kPlotUsage =
    std::string("plot MODEL.krt -o PICTURE [--size WxH] ") + kRunOptionsUsage;

constexpr int kLargestSide = 10000;

struct PictureSize {
  int width = 640;
  int height = 400;
};

std::optional<PictureSize> ParseSize(const std::string& text) {
  PictureSize size;
  const char* end = text.data() + text.size();
  const auto [cross, width_error] = std::from_chars(text.data(), end, size.width);
  if (width_error != std::errc() || cross == end || *cross != 'x') return std::nullopt;
  const auto [last, height_error] = std::from_chars(cross + 1, end, size.height);
  if (height_error != std::errc() || last != end) return std::nullopt;
  const auto fits = [](int side) { return side >= 1 && side <= kLargestSide; };
  if (!fits(size.width) || !fits(size.height)) return std::nullopt;
  return size;
}

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
    const std::optional<PictureSize> size = ++i < args.size() ? ParseSize(args[i]) : std::nullopt;
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
  QImage picture(request->size.width, request->size.height, QImage::Format_RGB32);
  PaintPlot(picture, run, state, settings);
  const PictureFilter filter = PictureFilterForName(options.output);
  if (!SavePicture(picture, options.output, filter)) {
    messenger.Show("Файл " + PictureFileName(options.output, filter) + " не удаётся создать.");
    return kExitUsageOrFile;
  }
  return kExitDone;
}

}  // namespace kortiv::calc_cli

#endif
