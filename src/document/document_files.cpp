// The model file commands, the caption and the settings file.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "document/document.h"
#include "document/document_observer.h"
#include "document/file_chooser.h"
#include "document/text_input.h"
#include "model/builtin_examples.h"
#include "model/model_file.h"

namespace kortiv {
namespace {

constexpr std::string_view kSaveTitle = "Сохранить модель";
constexpr std::string_view kSaveAsTitle = "Сохранить модель как ...";
constexpr std::string_view kModelExtension = ".krt";

bool EndsWithModelExtension(const std::string& path) {
  if (path.size() < kModelExtension.size()) return false;
  std::string tail = path.substr(path.size() - kModelExtension.size());
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == kModelExtension;
}

std::string FileStem(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  if (EndsWithModelExtension(name)) name.resize(name.size() - kModelExtension.size());
  return name;
}

}  // namespace

// The caption changes with opening, saving and renaming only; edits leave it.
void Document::UpdateCaption() {
  const bool has_file =
      model_state_ == ModelState::kSaved || model_state_ == ModelState::kSavedChanged;
  if (!has_file && example_shown_ > 0) {
    caption_ = std::string(kBuiltinExamplePath) + ". " + model_name_;
    return;
  }
  caption_ = "Kortiv: " + (has_file ? FileStem(file_path_) : std::string("noname"));
  if (has_file || model_name_ != kNoName) caption_ += " : " + model_name_;
}

// --- Settings ----------------------------------------------------------------

void Document::LoadSettings(const SettingsLocation& location) {
  settings_location_ = location;
  settings_ = location.read_path.empty() ? UserSettings{} : LoadUserSettings(location.read_path);
  Notify({});
}

void Document::SetSettings(const UserSettings& settings) {
  const bool results_outdated = settings.DerivMethod != settings_.DerivMethod ||
                                settings.OdeMethod != settings_.OdeMethod ||
                                settings.PhaseInDegrees != settings_.PhaseInDegrees ||
                                settings.FreqInHertz != settings_.FreqInHertz ||
                                settings.ExcludeTwoPiJumps != settings_.ExcludeTwoPiJumps;
  settings_ = settings;
  if (results_outdated) DiscardResults();
  DocumentChange change;
  change.results = change.status = results_outdated;
  Notify(change);
}

bool Document::SaveSettings() {
  const std::string& path = settings_location_.write_path;
  if (path.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  return SaveUserSettings(settings_, path, messenger_);
}

// --- Model file commands -------------------------------------------------------

bool Document::AskToSave() {
  if (!HasUnsavedWork(model_state_)) return true;
  if (!messenger_.Ask(kAskToSaveQuestion, kConfirmTitle)) return true;
  return Save();
}

void Document::ClearToNew() {
  model_state_ = ModelState::kLoading;
  ClearScheme();
  model_state_ = ModelState::kNew;
  model_name_ = std::string(kNoName);
  caption_ = "Kortiv: noname";
  ModelReplaced();
}

bool Document::New() {
  if (RunBusy() || !AskToSave()) return false;
  ClearToNew();
  return true;
}

bool Document::Close() {
  return New();
}

bool Document::Open() {
  if (RunBusy() || !AskToSave()) return false;
  FileRequest request;
  request.kind = FileRequest::Kind::kOpen;
  request.filters = {{"Kortiv model (*.krt)", "*.krt"}, {"All files (*.*)", "*.*"}};
  request.must_exist = true;
  const std::optional<FileChoice> choice = files_.Choose(request);
  return choice && OpenFile(choice->path);
}

bool Document::OpenFile(const std::string& path) {
  if (RunBusy()) return false;
  // The reader leaves the scheme as it was when the file fails.
  Scheme read(messenger_);
  const ModelReadResult model = ReadModelFile(path, read);
  if (!model.ok) return false;
  ClearScheme();
  scheme_ = read;
  times_ = {scheme_.T0(), scheme_.H(), scheme_.Tk()};
  file_path_ = path;
  model_name_ = model.model_name;
  model_state_ = ModelState::kSaved;
  save_enabled_ = false;
  if (scheme_.ElementCount() > 0) whole_scheme_enabled_ = true;
  UpdateCaption();
  ModelReplaced();
  return true;
}

bool Document::OpenRecovered(std::string_view image, const std::string& path) {
  if (RunBusy()) return false;
  Scheme read(messenger_);
  const ModelReadResult model = DecodeModelImage(image, path, read);
  if (!model.ok) return false;
  ClearToNew();
  scheme_ = read;
  times_ = {scheme_.T0(), scheme_.H(), scheme_.Tk()};
  model_name_ = model.model_name;
  if (!path.empty()) file_path_ = path;
  model_state_ = path.empty() ? ModelState::kNewChanged : ModelState::kSavedChanged;
  save_enabled_ = true;
  if (scheme_.ElementCount() > 0) whole_scheme_enabled_ = true;
  UpdateCaption();
  DocumentChange change;
  change.scheme = change.replaced = change.state = true;
  Notify(change);
  return true;
}

bool Document::WriteModelTo(const std::string& path) {
  if (!WriteModelFile(path, scheme_, model_name_)) return false;
  file_path_ = path;
  model_state_ = ModelState::kSaved;
  save_enabled_ = false;
  UpdateCaption();
  DocumentChange change;
  change.state = true;
  Notify(change);
  return true;
}

bool Document::SaveAsFlow(std::string_view title) {
  FileRequest request;
  request.kind = FileRequest::Kind::kSave;
  request.title = std::string(title);
  request.filters = {{"Файлы модели Kortiv (*.krt)", "*.krt"}};
  request.default_extension = "krt";
  request.overwrite_prompt = true;
  const bool unnamed = model_state_ == ModelState::kNew || model_state_ == ModelState::kNewChanged;
  request.initial_name = unnamed ? "" : file_path_;
  const std::optional<FileChoice> choice = files_.Choose(request);
  if (!choice || choice->path.empty()) return false;
  std::string path = choice->path;
  if (!EndsWithModelExtension(path)) path += kModelExtension;
  return WriteModelTo(path);
}

bool Document::Save() {
  if (NeedsFileName(model_state_)) return SaveAsFlow(kSaveTitle);
  return WriteModelTo(file_path_);
}

bool Document::SaveAs() {
  return SaveAsFlow(kSaveAsTitle);
}

bool Document::NameModel() {
  if (RunBusy()) return false;
  CancelPendingCut();
  const std::optional<std::string> answer = text_input_.AskText(
      {std::string(kModelNameTitle), std::string(kModelNamePrompt), model_name_});
  if (!answer) return false;
  const SchemeSnapshot before = Snapshot();
  model_name_ = FitModelName(*answer);
  return CommitStep(before);
}

bool Document::RequestClose() {
  if (closing_) return true;
  if (!AskToSave()) return false;
  if (job_) {
    job_->RequestStop();
    job_.reset();
  }
  closing_ = true;
  SaveSettings();  // a failure is reported; the program still closes
  return true;
}

bool Document::LoadExample(int k) {
  if (RunBusy() || k < 1 || k > kBuiltinExampleCount) return false;
  if (example_shown_ == k && model_state_ == ModelState::kExample) return false;
  if (!AskToSave()) return false;
  model_state_ = ModelState::kLoading;
  ClearScheme();
  model_name_ = std::string(LoadBuiltinExample(scheme_, k));
  times_ = {scheme_.T0(), scheme_.H(), scheme_.Tk()};
  example_shown_ = k;
  model_state_ = ModelState::kExample;
  file_path_ = std::string(kBuiltinExamplePath);
  whole_scheme_enabled_ = true;
  UpdateCaption();
  ModelReplaced();
  return true;
}

}  // namespace kortiv
