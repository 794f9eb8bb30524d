#include "records/windows1252.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace rolvex {
namespace {

// UTF-8 written apart from the code under test.
std::string Utf8(char32_t c) {
  auto o = [](unsigned v) { return static_cast<char>(v); };
  if (c < 0x80) return {o(c)};
  if (c < 0x800) return {o(0xC0 | c >> 6), o(0x80 | (c & 0x3F))};
  if (c < 0x10000) return {o(0xE0 | c >> 12), o(0x80 | (c >> 6 & 0x3F)), o(0x80 | (c & 0x3F))};
  return {o(0xF0 | c >> 18), o(0x80 | (c >> 12 & 0x3F)), o(0x80 | (c >> 6 & 0x3F)),
          o(0x80 | (c & 0x3F))};
}

// Bytes 80..9F hold the typographic characters; every other byte is the Latin-1 character of
// its number, the five bytes 1252 leaves unassigned included. Every character of Unicode is
// written as one byte: the byte that reads as it, else a question mark.
TEST(Windows1252, EachByteReadsAsOneCharacterAndEveryCharacterWritesAsOneByte) {
  const std::string typographiques = "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
  const std::string octets =
      "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99"
      "\x9A\x9B\x9C\x9E\x9F";
  EXPECT_EQ(DepuisWindows1252(octets), typographiques);
  std::map<std::string, char> table;
  for (int o = 0; o < 256; ++o) {
    const std::string octet(1, static_cast<char>(o)), lu = DepuisWindows1252(octet);
    table[lu] = octet[0];
    EXPECT_TRUE(octets.find(octet) != std::string::npos || lu == Utf8(char32_t(o))) << o;
  }
  EXPECT_EQ(table.size(), 256u);
  std::string texte, attendu;
  for (char32_t c = 0; c <= 0x10FFFF; c = c == 0xD7FF ? 0xE000 : c + 1) {
    texte += Utf8(c);
    const auto trouve = table.find(Utf8(c));
    attendu += trouve == table.end() ? '?' : trouve->second;
  }
  EXPECT_EQ(VersWindows1252(texte), attendu);
}

// Malformed UTF-8 gives one question mark a byte: a lone continuation byte, a lead byte before
// a letter, an overlong '/', the first and last surrogates, a value past U+10FFFF, bytes UTF-8
// never uses, and sequences cut by the end of the text, which is never read past.
TEST(Windows1252, EachByteOfMalformedUtf8BecomesAQuestionMark) {
  EXPECT_EQ(
      VersWindows1252("a\x80z\xC3z\xC0\xAFz\xED\xA0\x80z\xED\xBF\xBFz\xF4\x90\x80\x80z\xFF\xC1z"
                      "\xE2\x82"),
      "a?z?z??z???z???z????z??z??");
  EXPECT_EQ(VersWindows1252("\xF0\x9F\x8E"), "???");
  EXPECT_EQ(VersWindows1252(std::string_view("\xC3\xA9", 1)), "?");
  EXPECT_EQ(VersWindows1252(std::string_view("a\xE2\x82\xAC", 3)), "a??");
}

}  // namespace
}  // namespace rolvex
