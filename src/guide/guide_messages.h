#pragma once

#include <span>
#include <string_view>

namespace kortiv::guide {

// The sections of the guide's list of messages.
enum class MessageKind {
  kAnalysis,     // checking the scheme before a run
  kValidation,   // entering parameters
  kCalculation,  // the run itself
  kFile,         // model, settings and results files
  kEditing,      // the field and the clipboard
  kResults,      // plots and tables
  kFault,        // faults of the program, not of the scheme
};

// One message as the student sees it and what to do about it. Parts in
// braces stand for a name or a number the program puts in.
struct GuideMessage {
  MessageKind kind;
  std::string_view text;
  std::string_view advice;
};

std::span<const GuideMessage> GuideMessages();

// The status bar texts of the main window and what each means.
struct StatusText {
  std::string_view text;
  std::string_view meaning;
};
std::span<const StatusText> StatusTexts();

// The title of a section and the anchor of its place in the guide.
std::string_view KindTitle(MessageKind kind);
std::string_view KindAnchor(MessageKind kind);

}  // namespace kortiv::guide
