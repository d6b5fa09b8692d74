// The model reader on any bytes; a model it accepts is written, read back
// and written again, and the two writes must be the same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/model_file.h"
#include "model/scheme.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kortiv;
  fuzz::QuietMessenger messenger;
  Scheme scheme(messenger);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ModelReadResult read = DecodeModelImage(bytes, "fuzz.krt", scheme);
  if (!read.ok) return 0;
  const std::string first = EncodeModelImage(scheme, read.model_name);
  Scheme again(messenger);
  const ModelReadResult reread = DecodeModelImage(first, "fuzz.krt", again);
  fuzz::Require(reread.ok, "a written model reads back");
  fuzz::Require(reread.model_name == read.model_name, "the model name survives a write");
  fuzz::Require(EncodeModelImage(again, reread.model_name) == first,
                "two writes of a model are the same bytes");
  return 0;
}
