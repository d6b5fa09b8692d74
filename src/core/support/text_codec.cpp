#include "support/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace kortiv {
namespace {

using SkipLength = std::size_t (*)(const unsigned char* text, std::size_t left);

// Length of the malformed or unmappable UTF-8 character at `text`: its lead
// byte and the continuation bytes that belong to it.
std::size_t Utf8CharacterLength(const unsigned char* text, std::size_t left) {
  const unsigned char lead = text[0];
  const std::size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < expected && length < left && (text[length] & 0xC0) == 0x80) ++length;
  return length;
}

std::size_t SingleByte(const unsigned char*, std::size_t) {
  return 1;
}

// Converts with iconv; an input character that cannot be converted is
// skipped (`skip` gives its length) and written as '?'.
std::string Convert(std::string_view input, const char* to, const char* from, SkipLength skip) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
  std::string output;
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  char buffer[256];
  while (in_left > 0) {
    char* out = buffer;
    std::size_t out_left = sizeof buffer;
    const std::size_t result = iconv(cd, &in, &in_left, &out, &out_left);
    output.append(buffer, out - buffer);
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ or EINVAL: an unconvertible or incomplete character.
    const std::size_t length = skip(reinterpret_cast<const unsigned char*>(in), in_left);
    in += length;
    in_left -= length;
    output += '?';
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return output;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  return Convert(utf8, "CP1251", "UTF-8", Utf8CharacterLength);
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  return Convert(cp1251, "UTF-8", "CP1251", SingleByte);
}

std::string_view DropLastCharacters(std::string_view utf8, int count) {
  for (int characters = 0; characters < count && !utf8.empty();) {
    const unsigned char byte = static_cast<unsigned char>(utf8.back());
    utf8.remove_suffix(1);
    // Continuation bytes go with their lead byte.
    if ((byte & 0xC0) != 0x80) ++characters;
  }
  return utf8;
}

}  // namespace kortiv
