#include "document/recovery_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "document/document.h"
#include "model/builtin_examples.h"
#include "model/model_file.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

bool Unnamed(const Document& document) {
  const ModelState state = document.model_state();
  return state == ModelState::kNew || state == ModelState::kNewChanged ||
         document.file_path() == kBuiltinExamplePath;
}

bool HasUnsavedChanges(const Document& document) {
  const ModelState state = document.model_state();
  return state == ModelState::kNewChanged || state == ModelState::kSavedChanged;
}

std::optional<std::string> Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Writes beside the target and renames, so that a crash while writing
// leaves the earlier file whole.
bool WriteWhole(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  fs::rename(temporary, path, error);
  return !error;
}

// Whether the recovery file is newer than the model's own file (a missing
// model file counts as older).
bool NewerThanModel(const std::string& recovery, const std::string& model) {
  std::error_code error;
  const auto model_time = fs::last_write_time(model, error);
  if (error) return true;
  return fs::last_write_time(recovery, error) > model_time && !error;
}

}  // namespace

std::string RecoveryFolder(const char* xdg_data_home, const char* home) {
  if (xdg_data_home && *xdg_data_home) return (fs::path(xdg_data_home) / "kortiv").string();
  if (home && *home) return (fs::path(home) / ".local" / "share" / "kortiv").string();
  return {};
}

RecoveryFile::RecoveryFile(std::string folder)
    : folder_(std::move(folder)),
      model_file_(folder_.empty() ? "" : (fs::path(folder_) / "recovery.krt").string()),
      path_file_(folder_.empty() ? "" : (fs::path(folder_) / "recovery.path").string()) {}

void RecoveryFile::Autosave(const Document& document) {
  if (folder_.empty()) return;
  if (!HasUnsavedChanges(document)) {
    Remove();
    return;
  }
  std::error_code error;
  fs::create_directories(folder_, error);
  const std::string path = Unnamed(document) ? "" : document.file_path();
  // The path first: a model image without its path would be taken for an
  // unnamed model.
  if (!WriteWhole(path_file_, path)) return;
  WriteWhole(model_file_, EncodeModelImage(document.scheme(), document.model_name()));
}

void RecoveryFile::Remove() {
  if (folder_.empty()) return;
  std::error_code error;
  fs::remove(model_file_, error);
  fs::remove(path_file_, error);
}

bool RecoveryFile::OfferBack(Document& document, Messenger& messenger) {
  if (folder_.empty()) return false;
  const std::optional<std::string> image = Slurp(model_file_);
  if (!image) return false;
  const std::string path = Slurp(path_file_).value_or("");
  if (!path.empty() && !NewerThanModel(model_file_, path)) {
    Remove();
    return false;
  }
  const std::string shown = path.empty() ? "(без имени)" : fs::path(path).filename().string();
  if (!messenger.Ask("Восстановить несохранённые изменения модели " + shown + "?", kConfirmTitle)) {
    Remove();
    return false;
  }
  if (document.OpenRecovered(*image, path)) return true;
  Remove();  // unreadable: offered once only
  return false;
}

void RecoveryCleaner::DocumentChanged(const DocumentChange& change) {
  if (change.state && !HasUnsavedChanges(document_)) recovery_.Remove();
}

}  // namespace kortiv
