#include "model/model_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "model/catalogue.h"
#include "model/scheme.h"
#include "support/file_io.h"
#include "support/messenger.h"
#include "support/text_codec.h"

namespace kortiv {
namespace {

constexpr int kNameOffset = 6;
constexpr int kCountsOffset = 56;
constexpr std::int32_t kLargestPosition = PackPosition({kRowMax, kColumnMax});
constexpr std::int32_t kLargestCodeWord = 9999 * 10000 + 9999;

void PutInt32(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFF);
}

std::uint32_t GetWord(std::string_view bytes, std::size_t offset) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return bits;
}

std::int32_t GetInt32(std::string_view bytes, std::size_t offset) {
  return static_cast<std::int32_t>(GetWord(bytes, offset));
}

struct Counts {
  std::int32_t elements = 0;
  std::int32_t param_top = 0;
  std::int32_t blocks = 0;

  std::int64_t ImageLength() const {
    return kModelHeaderBytes + 12 * std::int64_t{elements} + 4 * std::int64_t{param_top};
  }
};

// The counts of a header whose counts are possible at all; the integration
// values always take the first three parameters.
std::optional<Counts> ReadCounts(std::string_view image) {
  if (image.size() < static_cast<std::size_t>(kModelHeaderBytes)) return std::nullopt;
  const Counts counts{GetInt32(image, kCountsOffset), GetInt32(image, kCountsOffset + 4),
                      GetInt32(image, kCountsOffset + 8)};
  if (counts.elements < 0 || counts.param_top < Scheme::kFirstBlockAddress || counts.blocks < 0 ||
      counts.blocks > counts.elements) {
    return std::nullopt;
  }
  return counts;
}

bool HasSignature(std::string_view image) {
  return image.starts_with(kModelSignature);
}

std::string NameInHeader(std::string_view image) {
  std::string_view name = image.substr(kNameOffset, kModelNameBytes);
  return Cp1251ToUtf8(name.substr(0, name.find('\0')));
}

struct RecordFields {
  int code, param_count, address, control_point;
};

RecordFields Fields(const ElementRecord& record) {
  const int code = record.CodeWord / 10000;
  const int address = record.AttrWord / 100;
  return {code, record.CodeWord - code * 10000, address, (record.AttrWord - address * 100) / 4};
}

// A catalogue code with its catalogue count; the general element's count
// follows its orders and is at least 4.
bool CountFitsCode(int code, int count) {
  constexpr int kGeneralLeastCount = 4;
  if (code == kGeneralLinearCode) return count >= kGeneralLeastCount;
  for (const CatalogueEntry& entry : Catalogue()) {
    if (entry.code == code) return entry.param_count == count;
  }
  return false;
}

// Whether the records keep the table's invariants, so that no later access
// through them leaves the arrays: words in range, known codes with their
// counts, parameter blocks inside the store, apart and counted, control
// points numbered 1..k once each, one element per cell.
bool RecordsAreSound(const std::vector<ElementRecord>& records, const Counts& counts) {
  std::set<std::int32_t> positions;
  std::vector<std::pair<int, int>> blocks;
  std::vector<int> control_points;
  for (const ElementRecord& record : records) {
    if (record.Position < 0 || record.Position > kLargestPosition || record.CodeWord < 0 ||
        record.CodeWord > kLargestCodeWord || record.AttrWord < 0) {
      return false;
    }
    if (!positions.insert(record.Position).second) return false;
    const RecordFields f = Fields(record);
    if (!CountFitsCode(f.code, f.param_count)) return false;
    if (f.control_point > Scheme::kControlPointMax) return false;
    if (f.control_point > 0) control_points.push_back(f.control_point);
    if (f.address == 0) continue;
    if (f.address < Scheme::kFirstBlockAddress || f.address + f.param_count > counts.param_top) {
      return false;
    }
    if (f.param_count > 0) blocks.emplace_back(f.address, f.address + f.param_count);
  }
  if (static_cast<int>(blocks.size()) != counts.blocks) return false;
  std::sort(blocks.begin(), blocks.end());
  for (std::size_t i = 1; i < blocks.size(); ++i) {
    if (blocks[i].first < blocks[i - 1].second) return false;
  }
  std::sort(control_points.begin(), control_points.end());
  for (std::size_t i = 0; i < control_points.size(); ++i) {
    if (control_points[i] != static_cast<int>(i) + 1) return false;
  }
  return true;
}

void ReportFormat(Messenger& messenger, const std::string& path) {
  messenger.Show("Kortiv не понимает формата файла '" + path + "'.");
}

std::vector<ElementRecord> RecordsOfImage(std::string_view image, int count) {
  std::vector<ElementRecord> records(count);
  std::size_t offset = kModelHeaderBytes;
  for (ElementRecord& record : records) {
    record = {GetInt32(image, offset), GetInt32(image, offset + 4), GetInt32(image, offset + 8)};
    offset += 12;
  }
  return records;
}

std::vector<float> ParamsOfImage(std::string_view image, int element_count, int param_top) {
  std::vector<float> params(param_top);
  std::size_t offset = kModelHeaderBytes + 12 * static_cast<std::size_t>(element_count);
  for (float& value : params) {
    value = std::bit_cast<float>(GetWord(image, offset));
    offset += 4;
  }
  return params;
}

// The shift that moves the smallest coordinate to 1, reduced when the
// largest would then leave the packed range (a scheme scrolled far apart):
// a column past 4999 would carry into the row.
int NormalisingShift(int least, int most, int limit) {
  return std::min(1 - least, limit - most);
}

// Copies of the records with the smallest stored row and column moved to 1.
std::vector<ElementRecord> NormalisedRecords(const Scheme& scheme) {
  std::vector<ElementRecord> records;
  Cell least{kRowMax, kColumnMax};
  Cell most{kCoordinateMin, kCoordinateMin};
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    const Cell cell = scheme.GetStoredPosition(n);
    least.row = std::min(least.row, cell.row);
    least.column = std::min(least.column, cell.column);
    most.row = std::max(most.row, cell.row);
    most.column = std::max(most.column, cell.column);
    records.push_back(scheme.Record(n));
  }
  const Cell shift{NormalisingShift(least.row, most.row, kRowMax),
                   NormalisingShift(least.column, most.column, kColumnMax)};
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    const Cell cell = scheme.GetStoredPosition(n);
    records[n - 1].Position = PackPosition({cell.row + shift.row, cell.column + shift.column});
  }
  return records;
}

}  // namespace

std::string FitModelName(std::string_view model_name) {
  std::string name = Utf8ToCp1251(model_name.substr(0, model_name.find('\0')));
  name = name.substr(0, std::min(name.find('\0'), std::size_t{kModelNameBytes}));
  return Cp1251ToUtf8(name);
}

std::string EncodeModelImage(const Scheme& scheme, std::string_view model_name) {
  std::string image(kModelSignature);
  std::string name = Utf8ToCp1251(FitModelName(model_name));
  name.resize(kModelNameBytes, '\0');
  image += name;
  PutInt32(image, scheme.ElementCount());
  PutInt32(image, scheme.ParamTop());
  PutInt32(image, scheme.ParamBlockCount());
  for (const ElementRecord& record : NormalisedRecords(scheme)) {
    PutInt32(image, record.Position);
    PutInt32(image, record.CodeWord);
    PutInt32(image, record.AttrWord);
  }
  for (int address = 0; address < scheme.ParamTop(); ++address) {
    PutInt32(image, std::bit_cast<std::int32_t>(scheme.Param(address)));
  }
  return image;
}

bool WriteModelFile(const std::string& path, const Scheme& scheme, std::string_view model_name) {
  if (WriteFileReplacing(path, EncodeModelImage(scheme, model_name))) return true;
  scheme.messenger().Show("Saving: Файл " + path + " не удаётся создать.");
  return false;
}

ModelReadResult DecodeModelImage(std::string_view image, const std::string& path, Scheme& scheme) {
  const std::optional<Counts> counts = ReadCounts(image);
  if (!HasSignature(image) || !counts ||
      counts->ImageLength() > static_cast<std::int64_t>(image.size())) {
    ReportFormat(scheme.messenger(), path);
    return {};
  }
  std::vector<ElementRecord> records = RecordsOfImage(image, counts->elements);
  if (!RecordsAreSound(records, *counts)) {
    ReportFormat(scheme.messenger(), path);
    return {};
  }
  scheme.Load(records, ParamsOfImage(image, counts->elements, counts->param_top), counts->blocks);
  return {true, NameInHeader(image)};
}

ModelReadResult ReadModelFile(const std::string& path, Scheme& scheme) {
  const std::optional<std::size_t> length = FileLength(path);
  std::optional<std::string> image = length ? ReadFileBytes(path, kModelHeaderBytes) : std::nullopt;
  if (image) {
    // Only as many bytes as the counts ask for, and only when the file has them.
    const std::optional<Counts> counts = ReadCounts(*image);
    if (counts && counts->ImageLength() <= static_cast<std::int64_t>(*length)) {
      image = ReadFileBytes(path, static_cast<std::size_t>(counts->ImageLength()));
    }
  }
  if (!image) {
    scheme.messenger().Show("Файл " + path + " не удаётся открыть.");
    return {};
  }
  return DecodeModelImage(*image, path, scheme);
}

}  // namespace kortiv
