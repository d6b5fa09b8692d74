#pragma once

#include <gtest/gtest.h>

#include "document/document.h"
#include "recording_document_observer.h"
#include "recording_file_chooser.h"
#include "recording_messenger.h"
#include "recording_text_input.h"

namespace kortiv::test {

// A document with recorders on all its interfaces.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() { doc.AddObserver(observer); }

  RecordingMessenger messages;
  RecordingFileChooser files;
  RecordingTextInput text_input;
  Document doc{messages, files, text_input};
  RecordingDocumentObserver observer;
};

}  // namespace kortiv::test
