#pragma once

#include <string>

#include "document/document_observer.h"

namespace kortiv {

class Document;
class Messenger;

// Where the recovery file lives: $XDG_DATA_HOME/kortiv, or
// $HOME/.local/share/kortiv when XDG_DATA_HOME is unset or empty; empty when
// neither is known (no recovery then).
std::string RecoveryFolder(const char* xdg_data_home, const char* home);

// The recovery file of the open model: what a changed model looked like at
// its last autosave, so that the work survives a crash or a killed program.
// It holds the model as a model file would, and beside it the path of the
// model's own file (empty for an unnamed model).
class RecoveryFile {
 public:
  explicit RecoveryFile(std::string folder);

  // The autosave: writes the model when it has changes that are not saved,
  // and removes the recovery file when it has none (saved, new, an example).
  // A write that fails leaves the earlier recovery file as it was.
  void Autosave(const Document& document);
  // On saving and on a clean exit.
  void Remove();

  // At start: a recovery file newer than its model's file, or of an unnamed
  // model, is offered back ("Восстановить несохранённые изменения модели
  // …?"). Yes: the document takes the recovered model, changed, under its
  // file's path. No, or a recovery file that is older or unreadable: the
  // recovery file goes. Returns whether the work was taken back.
  bool OfferBack(Document& document, Messenger& messenger);

  const std::string& model_path() const { return model_file_; }

 private:
  std::string folder_;
  std::string model_file_;  // the recovered model image
  std::string path_file_;   // the path of the model's own file
};

// Removes the recovery file as soon as the document has nothing unsaved:
// saved, or replaced by a new, opened or example model.
class RecoveryCleaner : public DocumentObserver {
 public:
  RecoveryCleaner(RecoveryFile& recovery, const Document& document)
      : recovery_(recovery), document_(document) {}
  void DocumentChanged(const DocumentChange& change) override;

 private:
  RecoveryFile& recovery_;
  const Document& document_;
};

}  // namespace kortiv
