#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "document/document.h"
#include "model/model_file.h"
#include "recording_document_observer.h"
#include "recording_file_chooser.h"
#include "recording_messenger.h"
#include "recording_text_input.h"

namespace kortiv::test {

// A document with recorders on all its interfaces and a scratch folder of
// its own per test.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() {
    dir = std::filesystem::temp_directory_path() /
          ("kortiv-document-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    doc.AddObserver(observer);
  }
  ~DocumentTest() override {
    doc.RemoveObserver(observer);
    std::filesystem::remove_all(dir);
  }

  std::string Path(const std::string& name) const { return (dir / name).string(); }

  static std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // The model file the document would write now.
  std::string Image() const { return EncodeModelImage(doc.scheme(), doc.model_name()); }

  // A changed new model: one step source at stored cell (1, 1).
  void MakeChangedNewModel() {
    ASSERT_GT(doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse), 0);
    ASSERT_EQ(doc.model_state(), ModelState::kNewChanged);
  }

  // Writes example k to a file and opens it (state 2).
  std::string OpenedExample(int k, const std::string& name = "model.krt") {
    doc.LoadExample(k);
    const std::string path = Path(name);
    EXPECT_TRUE(doc.WriteModelTo(path));
    EXPECT_TRUE(doc.OpenFile(path));
    return path;
  }

  std::filesystem::path dir;
  RecordingMessenger messages;
  RecordingFileChooser files;
  RecordingTextInput text_input;
  Document doc{messages, files, text_input};
  RecordingDocumentObserver observer;
};

}  // namespace kortiv::test
