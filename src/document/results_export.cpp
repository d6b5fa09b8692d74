#include "document/results_export.h"

#include "document/file_chooser.h"
#include "results/results_text.h"
#include "results/results_workbook.h"
#include "support/file_io.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr std::string_view kSaveTitle = "Сохранить результаты расчёта из таблицы или её части";
constexpr std::string_view kReplaceQuestion = "Выбранный txt-файл существует. Переписать его?";
constexpr std::string_view kOpenBookQuestion = "Открыть книгу в приложении для таблиц?";
constexpr std::string_view kBookQuestionTitle = "Возник вопрос!";

FileRequest SaveRequest() {
  FileRequest request;
  request.kind = FileRequest::Kind::kSave;
  request.title = kSaveTitle;
  request.filters = {{"Текстовые файлы (*.txt)", "*.TXT"}, {"Файлы MS Excel(*.xlsx)", "*.xlsx"}};
  request.default_extension = "txt";
  request.overwrite_prompt = false;
  return request;
}

ExportResult SaveText(const ResultsExportSource& source, const PointFilter& filter,
                      const std::string& path, Messenger& messenger) {
  if (FileExists(path) && !messenger.Ask(kReplaceQuestion, kConfirmTitle)) return {};
  const ResultsTextSource text{source.run,     source.kind,      source.units,
                               source.caption, source.date_time, source.decimal_separator};
  if (!WriteResultsText(path, text, filter, messenger)) return {};
  return {true, path, false, false};
}

ExportResult SaveWorkbook(const ResultsExportSource& source, const PointFilter& filter,
                          const std::string& path, Messenger& messenger) {
  const ResultsWorkbookSource book{source.run,        source.kind,       source.units,
                                   source.model_path, source.model_name, source.date_time};
  if (!WriteResultsWorkbook(path, book, filter, messenger)) return {};
  return {true, path, true, messenger.Ask(kOpenBookQuestion, kBookQuestionTitle)};
}

}  // namespace

std::string TextExportName(const std::string& name) {
  return EndsWithNoCase(name, ".txt") ? name : name + ".txt";
}

std::string WorkbookExportName(const std::string& name) {
  return EndsWithNoCase(name, ".xlsx") ? name : name + ".xlsx";
}

ExportResult SaveResultsData(const ResultsExportSource& source, const PointFilter& filter,
                             FileChooser& files, Messenger& messenger) {
  const std::optional<FileChoice> choice = files.Choose(SaveRequest());
  if (!choice || choice->path.empty()) return {};
  if (choice->filter_index == static_cast<int>(ExportFilter::kWorkbook)) {
    return SaveWorkbook(source, filter, WorkbookExportName(choice->path), messenger);
  }
  return SaveText(source, filter, TextExportName(choice->path), messenger);
}

}  // namespace kortiv
