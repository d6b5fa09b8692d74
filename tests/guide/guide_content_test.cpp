// The built guide against the program's own tables and sources: every
// element, every message a student can meet, every picture and link.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "guide/command_notes.h"
#include "guide/element_reference.h"
#include "guide/html_text.h"
#include "guide_fixture.h"
#include "model/catalogue.h"
#include "source_literals.h"
#include "ui/command_table.h"

namespace kortiv::test {
namespace {

namespace fs = std::filesystem;

// The sources whose texts reach the student as messages about the scheme
// check, parameter entry, the run and the files, and the questions of the
// document about the open model. Dialog captions and table
// headings are not messages; the element sections use them directly.
const std::vector<std::string> kMessageSources = {"analysis",
                                                  "calc",
                                                  "elements",
                                                  "params/parameter_entry.h",
                                                  "params/parse_number.h",
                                                  "params/parameter_layout.h",
                                                  "params/validate_parameters.cpp",
                                                  "model/model_file.cpp",
                                                  "model/user_settings.cpp",
                                                  "model/clipboard.h",
                                                  "model/edit_operations.h",
                                                  "results/results_text.cpp",
                                                  "results/manual_scale.h",
                                                  "results/axis_scale.h",
                                                  "../document/document.h"};

// Messages about the consistency of the scheme store go to developers.
bool IsInternal(std::string_view text) {
  return text.starts_with("Error:") || text.starts_with("Getting error:") ||
         text.starts_with("Setting error:");
}

bool HasCyrillic(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
}

std::size_t Letters(std::string_view text) {  // UTF-8 code points
  return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
}

std::string Collapsed(std::string_view text) {
  return guide::PlainText(guide::EscapeHtml(text));
}

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  return text;
}

std::vector<fs::path> SourceFiles(const std::string& entry) {
  const fs::path path = fs::path(KORTIV_CORE_SOURCES) / entry;
  if (!fs::is_directory(path)) return {path};
  std::vector<fs::path> files;
  for (const auto& file : fs::directory_iterator(path)) files.push_back(file.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Every part of a message that is long enough to say something: the pieces
// between the names and numbers the program puts in.
std::vector<std::string> MessageFragments() {
  std::vector<std::string> fragments;
  for (const std::string& entry : kMessageSources) {
    for (const fs::path& file : SourceFiles(entry)) {
      EXPECT_TRUE(fs::exists(file)) << file;
      for (const std::string& literal : StringLiterals(ReadWholeFile(file))) {
        if (!HasCyrillic(literal) || IsInternal(literal)) continue;
        const std::string fragment = Trimmed(Collapsed(literal));
        if (Letters(fragment) >= 8) fragments.push_back(fragment);
      }
    }
  }
  return fragments;
}

TEST(GuideContent, EveryMessageOfTheCoreIsExplained) {
  const std::string guide = guide::PlainText(GuideHtml());
  const auto fragments = MessageFragments();
  // The scan must see the messages at all: the sources hold well over a hundred.
  ASSERT_GT(fragments.size(), 100u);
  for (const std::string& fragment : fragments) {
    EXPECT_NE(guide.find(fragment), std::string::npos) << "нет в руководстве: " << fragment;
  }
}

TEST(GuideContent, EveryCatalogueElementHasItsSection) {
  const std::string html = GuideHtml();
  const std::string text = guide::PlainText(html);
  std::set<int> noted;
  for (const guide::ElementNote& note : guide::ElementNotes()) noted.insert(note.code);
  for (const CatalogueEntry& entry : Catalogue()) {
    EXPECT_TRUE(noted.contains(entry.code)) << "нет формулы элемента " << entry.code;
    const std::string heading =
        std::string(entry.name) + " (код " + std::to_string(entry.code) + ")";
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
    EXPECT_NE(html.find("name=\"" + guide::ElementAnchor(entry.code) + "\""), std::string::npos)
        << entry.code;
  }
  EXPECT_EQ(noted.size(), Catalogue().size()) << "формулы элементов, которых нет в каталоге";
}

TEST(GuideContent, EveryMenuCommandAndToolButtonIsDescribed) {
  const std::string text = guide::PlainText(GuideHtml());
  for (const CommandEntry& command : Commands()) {
    if (command.name == nullptr) continue;
    EXPECT_FALSE(guide::CommandNote(command.name).empty()) << "не описана " << command.name;
    EXPECT_NE(text.find(Trimmed(command.caption)), std::string::npos) << command.caption;
    if (command.hint != nullptr) {
      EXPECT_NE(text.find(command.hint), std::string::npos) << command.hint;
    }
  }
}

std::set<std::string> Anchors(const std::string& html) {
  std::set<std::string> anchors;
  const std::regex anchor(R"re((?:name|id)="([^"]+)")re");
  for (std::sregex_iterator it(html.begin(), html.end(), anchor), end; it != end; ++it) {
    anchors.insert((*it)[1]);
  }
  return anchors;
}

TEST(GuideContent, EveryPictureAndLinkResolves) {
  const std::string html = GuideHtml();
  const std::set<std::string> anchors = Anchors(html);
  const std::regex reference(R"re((src|href)="([^"]*)")re");
  int pictures = 0;
  int links = 0;
  for (std::sregex_iterator it(html.begin(), html.end(), reference), end; it != end; ++it) {
    const std::string kind = (*it)[1];
    const std::string target = (*it)[2];
    ASSERT_FALSE(target.empty());
    if (target.front() == '#') {
      EXPECT_TRUE(anchors.contains(target.substr(1))) << "нет метки " << target;
      ++links;
      continue;
    }
    EXPECT_EQ(target.find("://"), std::string::npos) << "руководство ссылается наружу: " << target;
    const fs::path file = GuideDir() / target;
    ASSERT_TRUE(fs::is_regular_file(file)) << "нет файла " << target;
    if (kind == "src") {
      ++pictures;
      const std::string bytes = ReadWholeFile(file);
      EXPECT_EQ(bytes.substr(1, 3), "PNG") << target;
      EXPECT_GT(bytes.size(), 200u) << "пустой рисунок " << target;
    }
  }
  // Every element's symbol, every tool button, the scheme and the plot of
  // the first scheme.
  const auto commands = Commands();
  const auto buttons = std::count_if(commands.begin(), commands.end(),
                                     [](const CommandEntry& c) { return c.button != nullptr; });
  EXPECT_EQ(pictures, static_cast<int>(Catalogue().size() + buttons) + 2);
  EXPECT_GT(links, static_cast<int>(Catalogue().size()));
}

TEST(GuideContent, HelpTopicsOfEveryWindowExist) {
  const std::set<std::string> anchors = Anchors(GuideHtml());
  for (const char* topic : {"contents", "main", "editor", "library", "parameters", "plot",
                            "settings", "table", "filter"}) {
    EXPECT_TRUE(anchors.contains(topic)) << topic;
  }
}

}  // namespace
}  // namespace kortiv::test
