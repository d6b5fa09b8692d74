#include "ui/qt_file_chooser.h"

#include <QFileDialog>
#include <QInputDialog>

#include "ui/qt_text.h"

namespace kortiv {

std::optional<FileChoice> QtFileChooser::Choose(const FileRequest& request) {
  QFileDialog dialog(parent_, ToQString(request.title));
  dialog.setObjectName(request.kind == FileRequest::Kind::kOpen ? "MainOpen" : "MainSave");
  const bool save = request.kind == FileRequest::Kind::kSave;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save || !request.must_exist ? QFileDialog::AnyFile
                                                 : QFileDialog::ExistingFile);
  if (save && !request.overwrite_prompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QStringList filters;
  for (const FileFilter& filter : request.filters) {
    // The pattern list goes in brackets; a description that shows it already
    // keeps its own text.
    QString text = ToQString(filter.description);
    const QString pattern = ToQString(filter.pattern).replace(';', ' ');
    if (!text.contains('(')) text += " (" + pattern + ")";
    filters << text;
  }
  dialog.setNameFilters(filters);
  if (request.filter_index >= 0 && request.filter_index < filters.size()) {
    dialog.selectNameFilter(filters[request.filter_index]);
  }
  if (!request.default_extension.empty()) {
    dialog.setDefaultSuffix(ToQString(request.default_extension));
  }
  if (!request.initial_name.empty()) dialog.selectFile(ToQString(request.initial_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FileChoice{ToUtf8(dialog.selectedFiles().first()),
                    static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

std::optional<std::string> QtTextInput::AskText(const TextRequest& request) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, ToQString(request.title), ToQString(request.prompt),
                            QLineEdit::Normal, ToQString(request.initial), &ok);
  if (!ok) return std::nullopt;
  return ToUtf8(text);
}

}  // namespace kortiv
