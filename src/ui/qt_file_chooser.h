#pragma once

#include <QPointer>
#include <QWidget>

#include "document/file_chooser.h"
#include "document/text_input.h"

namespace kortiv {

// The file dialogs the document asks for, over the main window.
class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<FileChoice> Choose(const FileRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

// The input box the document asks for (the model name).
class QtTextInput : public TextInput {
 public:
  explicit QtTextInput(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> AskText(const TextRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace kortiv
