#pragma once

#include <string>
#include <string_view>

namespace kortiv {

class Scheme;

// Model files (*.krt), little-endian, no padding:
//   0  "Kortiv"
//   6  model name, Windows-1251, 50 bytes, zero-terminated when shorter
//   56 ElementCount E, 60 ParamTop P, 64 ParamBlockCount (int32 each)
//   68 E records of three int32 words, then P float32 values.
inline constexpr std::string_view kModelSignature = "Kortiv";
inline constexpr int kModelNameBytes = 50;
inline constexpr int kModelHeaderBytes = 68;

struct ModelReadResult {
  bool ok = false;
  std::string model_name;  // UTF-8
};

// Reads a model file into the scheme. A file that cannot be opened or is not
// a well-formed model is reported and leaves the scheme as it was.
ModelReadResult ReadModelFile(const std::string& path, Scheme& scheme);

// The same for a file image already in memory; `path` names it in messages.
ModelReadResult DecodeModelImage(std::string_view image, const std::string& path, Scheme& scheme);

// Writes the scheme with the given model name (UTF-8). The old file stays
// intact when the write fails; the failure is reported.
bool WriteModelFile(const std::string& path, const Scheme& scheme, std::string_view model_name);

// The file image WriteModelFile writes: positions normalised so that the
// smallest row and column are 1 as far as the packed range allows; the
// scheme itself is not changed.
std::string EncodeModelImage(const Scheme& scheme, std::string_view model_name);

// The model name as a file can hold it: up to the first zero character and
// at most 50 characters of the Windows-1251 code page.
std::string FitModelName(std::string_view model_name);

}  // namespace kortiv
