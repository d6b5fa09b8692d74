#include "results/results_text.h"

#include <charconv>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "results/results_headings.h"
#include "support/file_io.h"
#include "support/messenger.h"
#include "support/number_format.h"
#include "support/text_codec.h"

namespace kortiv {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Number(float value, char separator) {
  return FormatExponent(value, 5, 2, separator);
}

// The point number right-aligned in four characters.
std::string PointNumber(int p) {
  char digits[16];
  const auto length =
      static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, p).ptr - digits);
  std::string text(length < 4 ? 4 - length : 0, ' ');
  return text.append(digits, length);
}

// Each line is put together first and written at once: a run of a
// million points writes a million lines.
void WritePointLine(std::ostream& out, const ResultsTextSource& source, int p, std::string& line) {
  const RunState& run = source.run;
  line.assign(kLineEnd);
  line += PointNumber(p);
  const int values = run.PerPoint() * run.control_points;
  for (int entry = 0; entry <= values; ++entry) {
    line += '\t';
    line += Number(run.result_store[static_cast<std::size_t>(run.RowWidth()) * p + entry],
                   source.decimal_separator);
  }
  out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

// Writes a text beside `path` and renames it over it, so a failed save
// leaves an older file as it was; reports a file that cannot be written.
bool WriteTextFile(const std::string& path, const std::function<void(std::ostream&)>& write,
                   Messenger& messenger) {
  if (WriteStreamReplacing(path, write)) return true;
  messenger.Show("Saving txt: Файл " + path + " не удаётся создать.");
  return false;
}

}  // namespace

void WriteResultsText(std::ostream& out, const ResultsTextSource& source,
                      const PointFilter& filter) {
  out << source.caption << "     " << source.date_time << kLineEnd << "\t\t"
      << ResultsTitle(source.kind) << '.' << kLineEnd
      << TextHeading(source.kind, source.run.control_points, source.units);
  std::string line;
  ForEachSelectedPoint(filter, source.run.last_point,
                       [&](int p) { WritePointLine(out, source, p, line); });
}

std::string ResultsText(const ResultsTextSource& source, const PointFilter& filter) {
  std::ostringstream text;
  WriteResultsText(text, source, filter);
  return std::move(text).str();
}

bool WriteResultsText(const std::string& path, const ResultsTextSource& source,
                      const PointFilter& filter, Messenger& messenger) {
  return WriteTextFile(
      path, [&](std::ostream& out) { WriteResultsText(out, source, filter); }, messenger);
}

bool WriteResultsText(const std::string& path, const std::string& text, Messenger& messenger) {
  return WriteTextFile(
      path, [&](std::ostream& out) { out << text; }, messenger);
}

std::string ModelCaption(const std::string& path, const std::string& model_name) {
  const auto folder_end = path.find_last_of("/\\");
  const std::string_view name = folder_end == std::string::npos
                                    ? std::string_view(path)
                                    : std::string_view(path).substr(folder_end + 1);
  return "Kortiv: " + std::string(DropLastCharacters(name, 4)) + " : " + model_name;
}

std::string CurrentDateTimeText() {
  std::ostringstream text;
  try {
    text.imbue(std::locale(""));
  } catch (const std::runtime_error&) {
    // An unknown locale in the environment: the classic format serves.
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  text << std::put_time(&local, "%x %X");
  return text.str();
}

}  // namespace kortiv
