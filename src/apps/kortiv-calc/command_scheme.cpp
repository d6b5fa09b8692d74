// scheme MODEL.krt -o PICTURE [--cols C --rows R] [--origin ROW,COL]: saves
// the picture of the scheme as the editor shows it (rulers and cells), a
// bitmap or, for names ending in .svg, .png, .jpg or .jpeg, an SVG, PNG or
// JPEG file. The window's top left cell shows scheme cell ROW, COL (1, 1
// unless given); without --cols and --rows the smallest editor field that
// shows every element is taken.

#ifdef KORTIV_CALC_WITH_DRAW

#include <charconv>
#include <iostream>
#include <optional>

#include "batch_document.h"
#include "commands.h"
#include "draw/picture_export.h"
#include "draw/scheme_picture.h"
#include "fitting_window.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "offscreen_painting.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

constexpr const char* kUsage =
    "Использование: kortiv-calc scheme MODEL.krt -o PICTURE [--cols C --rows R] "
    "[--origin ROW,COL]";

struct SchemeRequest {
  std::string model;
  std::string picture;
  int cols = 0;  // 0: chosen by the scheme
  int rows = 0;
  Cell origin{1, 1};
};

std::optional<int> ParseCount(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 100) {
    return std::nullopt;
  }
  return value;
}

// Stored cells lie within a few hundred thousand of the origin; a window
// further out would only overflow the shift.
constexpr int kFarthestOrigin = 1000000;

std::optional<Cell> ParseOrigin(const std::string& text) {
  Cell cell;
  const char* end = text.data() + text.size();
  const auto [comma, row_error] = std::from_chars(text.data(), end, cell.row);
  if (row_error != std::errc() || comma == end || *comma != ',') return std::nullopt;
  const auto [last, column_error] = std::from_chars(comma + 1, end, cell.column);
  if (column_error != std::errc() || last != end) return std::nullopt;
  const auto near = [](int value) { return value >= -kFarthestOrigin && value <= kFarthestOrigin; };
  if (!near(cell.row) || !near(cell.column)) return std::nullopt;
  return cell;
}

std::optional<SchemeRequest> ParseRequest(const Arguments& args) {
  SchemeRequest request;
  bool has_cols = false;
  bool has_rows = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "-o" && has_value) {
      request.picture = args[++i];
    } else if (arg == "--cols" && has_value) {
      const auto cols = ParseCount(args[++i]);
      if (!cols) return std::nullopt;
      request.cols = *cols;
      has_cols = true;
    } else if (arg == "--rows" && has_value) {
      const auto rows = ParseCount(args[++i]);
      if (!rows) return std::nullopt;
      request.rows = *rows;
      has_rows = true;
    } else if (arg == "--origin" && has_value) {
      const auto origin = ParseOrigin(args[++i]);
      if (!origin) return std::nullopt;
      request.origin = *origin;
    } else if (request.model.empty() && !arg.starts_with("-")) {
      request.model = arg;
    } else {
      return std::nullopt;
    }
  }
  if (request.model.empty() || request.picture.empty() || has_cols != has_rows) {
    return std::nullopt;
  }
  return request;
}

}  // namespace

int RunScheme(const Arguments& args) {
  StreamMessenger messenger(std::cerr, false);
  const std::optional<SchemeRequest> request = ParseRequest(args);
  if (!request) {
    messenger.Show(kUsage);
    return kExitUsageOrFile;
  }
  BatchDocument batch(messenger);
  if (!batch.document.OpenFile(request->model)) return kExitUsageOrFile;
  // The picture's window onto the scheme is view state: a copy is shifted.
  Scheme scheme = batch.document.scheme();
  scheme.SetShift(1 - request->origin.row, 1 - request->origin.column);
  const SchemeWindow window = request->cols > 0 ? SchemeWindow{request->cols, request->rows, {}, {}}
                                                : FittingWindow(scheme);
  const OffscreenPainting painting;
  const UserSettings settings = LoadUserSettings(kSettingsFileName);
  const DrawnPicture picture{SchemePictureSize(window), [&](QPainter& painter) {
                               DrawSchemePicture(painter, scheme, settings.Styles, window);
                             }};
  const std::string& name = request->picture;
  const PictureFormat format = PictureFormatForName(name);
  if (!ExportPicture(picture, name, format)) {
    messenger.Show("Файл " + ExportedPictureName(name, format) + " не удаётся создать.");
    return kExitUsageOrFile;
  }
  return kExitDone;
}

}  // namespace kortiv::calc_cli

#endif
