#pragma once

#include "document/document.h"
#include "document/file_chooser.h"
#include "document/text_input.h"

namespace kortiv::calc_cli {

// The document the desktop program works with, without its dialogs: the
// batch runner reads, analyses and calculates models through the same
// commands, so the two programs cannot drift apart.
class BatchDocument {
 public:
  explicit BatchDocument(Messenger& messenger) : document(messenger, files_, text_input_) {}

 private:
  NoFileChooser files_;
  NoTextInput text_input_;

 public:
  Document document;
};

}  // namespace kortiv::calc_cli
