#include "support/workbook_reader.h"

#include <expat.h>
#include <minizip/unzip.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

namespace kortiv {
namespace {

using Attributes = const XML_Char**;

const char* Attribute(Attributes attributes, std::string_view name) {
  for (int i = 0; attributes[i]; i += 2) {
    if (name == attributes[i]) return attributes[i + 1];
  }
  return nullptr;
}

// Element names without their namespace prefix ("x:c" and "c" alike).
std::string_view LocalName(const XML_Char* name) {
  const std::string_view full(name);
  const auto colon = full.find(':');
  return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

// Calls back for every element start, element end and character data of an
// XML document; false when the document is not well formed.
struct XmlHandlers {
  std::function<void(std::string_view, Attributes)> start;
  std::function<void(std::string_view)> end;
  std::function<void(std::string_view)> text;
};

bool ParseXml(const std::string& xml, XmlHandlers& handlers) {
  std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                      XML_ParserFree);
  XML_SetUserData(parser.get(), &handlers);
  XML_SetElementHandler(
      parser.get(),
      [](void* data, const XML_Char* name, Attributes attributes) {
        auto& h = *static_cast<XmlHandlers*>(data);
        if (h.start) h.start(LocalName(name), attributes);
      },
      [](void* data, const XML_Char* name) {
        auto& h = *static_cast<XmlHandlers*>(data);
        if (h.end) h.end(LocalName(name));
      });
  XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* text, int length) {
    auto& h = *static_cast<XmlHandlers*>(data);
    if (h.text) h.text(std::string_view(text, static_cast<std::size_t>(length)));
  });
  return XML_Parse(parser.get(), xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_OK;
}

class ZipArchive {
 public:
  explicit ZipArchive(const std::string& path) : file_(unzOpen64(path.c_str())) {}
  ~ZipArchive() {
    if (file_) unzClose(file_);
  }
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  bool IsOpen() const { return file_ != nullptr; }

  std::optional<std::string> Read(const std::string& name) {
    if (unzLocateFile(file_, name.c_str(), 1) != UNZ_OK) return std::nullopt;
    if (unzOpenCurrentFile(file_) != UNZ_OK) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    int got = 0;
    while ((got = unzReadCurrentFile(file_, buffer, sizeof buffer)) > 0) {
      bytes.append(buffer, static_cast<std::size_t>(got));
    }
    const bool complete = unzCloseCurrentFile(file_) == UNZ_OK && got == 0;
    if (!complete) return std::nullopt;
    return bytes;
  }

 private:
  unzFile file_;
};

struct SheetEntry {
  std::string name;
  std::string relation;
};

std::optional<std::vector<SheetEntry>> ReadSheetList(const std::string& xml) {
  std::vector<SheetEntry> sheets;
  XmlHandlers handlers;
  handlers.start = [&](std::string_view element, Attributes attributes) {
    if (element != "sheet") return;
    const char* name = Attribute(attributes, "name");
    const char* relation = Attribute(attributes, "r:id");
    if (name && relation) sheets.push_back({name, relation});
  };
  if (!ParseXml(xml, handlers)) return std::nullopt;
  return sheets;
}

// The part each relation of the workbook names, as a path inside the archive.
std::optional<std::map<std::string, std::string>> ReadRelations(const std::string& xml) {
  std::map<std::string, std::string> targets;
  XmlHandlers handlers;
  handlers.start = [&](std::string_view element, Attributes attributes) {
    if (element != "Relationship") return;
    const char* id = Attribute(attributes, "Id");
    const char* target = Attribute(attributes, "Target");
    if (!id || !target) return;
    const std::string_view path(target);
    targets[id] = path.starts_with('/') ? std::string(path.substr(1)) : "xl/" + std::string(path);
  };
  if (!ParseXml(xml, handlers)) return std::nullopt;
  return targets;
}

// The texts of the shared string table; a rich text is read as its runs
// joined, the phonetic hints left out.
std::optional<std::vector<std::string>> ReadSharedStrings(const std::string& xml) {
  std::vector<std::string> strings;
  bool in_text = false;
  int phonetic_depth = 0;
  XmlHandlers handlers;
  handlers.start = [&](std::string_view element, Attributes) {
    if (element == "si") strings.emplace_back();
    if (element == "rPh") ++phonetic_depth;
    if (element == "t") in_text = phonetic_depth == 0;
  };
  handlers.end = [&](std::string_view element) {
    if (element == "t") in_text = false;
    if (element == "rPh") --phonetic_depth;
  };
  handlers.text = [&](std::string_view text) {
    if (in_text && !strings.empty()) strings.back() += text;
  };
  if (!ParseXml(xml, handlers)) return std::nullopt;
  return strings;
}

// "C12" as row 11, column 2; false for anything else.
bool ReadReference(std::string_view reference, int& row, int& column) {
  std::size_t i = 0;
  int col = 0;
  for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z'; ++i) {
    col = col * 26 + (reference[i] - 'A' + 1);
  }
  int r = 0;
  const std::size_t digits = i;
  for (; i < reference.size() && reference[i] >= '0' && reference[i] <= '9'; ++i) {
    r = r * 10 + (reference[i] - '0');
  }
  if (col == 0 || i == digits || i != reference.size() || r == 0) return false;
  row = r - 1;
  column = col - 1;
  return true;
}

// Reads the cells of a worksheet part, the shared strings resolved.
class SheetCellsReader {
 public:
  explicit SheetCellsReader(const std::vector<std::string>& shared) : shared_(shared) {}

  std::optional<std::vector<WorkbookCell>> Read(const std::string& xml) {
    XmlHandlers handlers;
    handlers.start = [this](std::string_view element, Attributes attributes) {
      Start(element, attributes);
    };
    handlers.end = [this](std::string_view element) { End(element); };
    handlers.text = [this](std::string_view text) {
      if (field_) *field_ += text;
    };
    if (!ParseXml(xml, handlers)) return std::nullopt;
    return std::move(cells_);
  }

 private:
  void Start(std::string_view element, Attributes attributes) {
    if (element == "row") {
      const char* r = Attribute(attributes, "r");
      row_ = r ? std::atoi(r) - 1 : row_ + 1;
      column_ = -1;
    } else if (element == "c") {
      in_cell_ = true;
      cell_ = WorkbookCell{};
      const char* r = Attribute(attributes, "r");
      if (!r || !ReadReference(r, cell_.row, cell_.column)) {
        cell_.row = row_;
        cell_.column = column_ + 1;
      }
      column_ = cell_.column;
      const char* type = Attribute(attributes, "t");
      type_ = type ? type : "n";
      value_.clear();
      inline_text_.clear();
    } else if (in_cell_ && element == "v") {
      field_ = &value_;
    } else if (in_cell_ && element == "f") {
      field_ = &cell_.formula;
    } else if (in_cell_ && element == "t") {
      field_ = &inline_text_;
    }
  }

  void End(std::string_view element) {
    if (element == "v" || element == "f" || element == "t") field_ = nullptr;
    if (element != "c") return;
    in_cell_ = false;
    if (Resolve()) cells_.push_back(std::move(cell_));
  }

  // Gives the cell its kind and value from its type; false for a cell that
  // holds nothing.
  bool Resolve() {
    if (type_ == "inlineStr") return SetText(inline_text_);
    if (type_ == "s") {
      const std::size_t index = static_cast<std::size_t>(std::atol(value_.c_str()));
      return index < shared_.size() && !value_.empty() && SetText(shared_[index]);
    }
    if (type_ == "str") return SetText(value_) || !cell_.formula.empty();
    if (type_ == "e") {
      cell_.kind = WorkbookCell::Kind::kError;
      cell_.text = value_;
      return true;
    }
    if (value_.empty()) return !cell_.formula.empty();
    cell_.kind = type_ == "b" ? WorkbookCell::Kind::kBoolean : WorkbookCell::Kind::kNumber;
    cell_.number = std::strtod(value_.c_str(), nullptr);
    return true;
  }

  bool SetText(const std::string& text) {
    cell_.kind = WorkbookCell::Kind::kText;
    cell_.text = text;
    return !text.empty();
  }

  const std::vector<std::string>& shared_;
  std::vector<WorkbookCell> cells_;
  WorkbookCell cell_;
  bool in_cell_ = false;
  int row_ = -1;
  int column_ = -1;
  std::string type_;
  std::string value_;
  std::string inline_text_;
  std::string* field_ = nullptr;
};

}  // namespace

std::optional<std::vector<WorkbookSheet>> ReadWorkbook(const std::string& path) {
  ZipArchive archive(path);
  if (!archive.IsOpen()) return std::nullopt;
  const auto workbook_xml = archive.Read("xl/workbook.xml");
  const auto relations_xml = archive.Read("xl/_rels/workbook.xml.rels");
  if (!workbook_xml || !relations_xml) return std::nullopt;
  const auto entries = ReadSheetList(*workbook_xml);
  const auto relations = ReadRelations(*relations_xml);
  if (!entries || !relations || entries->empty()) return std::nullopt;
  std::vector<std::string> shared;
  if (const auto shared_xml = archive.Read("xl/sharedStrings.xml")) {
    auto strings = ReadSharedStrings(*shared_xml);
    if (!strings) return std::nullopt;
    shared = std::move(*strings);
  }
  std::vector<WorkbookSheet> sheets;
  for (const SheetEntry& entry : *entries) {
    const auto target = relations->find(entry.relation);
    if (target == relations->end()) return std::nullopt;
    const auto sheet_xml = archive.Read(target->second);
    if (!sheet_xml) return std::nullopt;
    auto cells = SheetCellsReader(shared).Read(*sheet_xml);
    if (!cells) return std::nullopt;
    sheets.push_back({entry.name, std::move(*cells)});
  }
  return sheets;
}

}  // namespace kortiv
