#include "results/results_text.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "results/results_headings.h"
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
  char text[16];
  std::snprintf(text, sizeof text, "%4d", p);
  return text;
}

void WritePointLine(std::ostream& out, const ResultsTextSource& source, int p) {
  const RunState& run = source.run;
  out << kLineEnd << PointNumber(p);
  const int values = run.PerPoint() * run.control_points;
  for (int entry = 0; entry <= values; ++entry) {
    out << '\t'
        << Number(run.result_store[static_cast<std::size_t>(run.RowWidth()) * p + entry],
                  source.decimal_separator);
  }
}

}  // namespace

void WriteResultsText(std::ostream& out, const ResultsTextSource& source,
                      const PointFilter& filter) {
  out << source.caption << "     " << source.date_time << kLineEnd << "\t\t"
      << ResultsTitle(source.kind) << '.' << kLineEnd
      << TextHeading(source.kind, source.run.control_points, source.units);
  ForEachSelectedPoint(filter, source.run.last_point,
                       [&](int p) { WritePointLine(out, source, p); });
}

std::string ResultsText(const ResultsTextSource& source, const PointFilter& filter) {
  std::ostringstream text;
  WriteResultsText(text, source, filter);
  return std::move(text).str();
}

bool WriteResultsText(const std::string& path, const ResultsTextSource& source,
                      const PointFilter& filter, Messenger& messenger) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (file) WriteResultsText(file, source, filter);
  if (file) file.close();
  if (!file) {
    messenger.Show("Saving txt: Файл " + path + " не удаётся создать.");
    return false;
  }
  return true;
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
