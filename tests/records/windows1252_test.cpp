#include "records/windows1252.h"

#include <gtest/gtest.h>

namespace rolvex {
namespace {

// One byte per character, each way, with the whole 1252 table: every byte reads back as
// itself, the five unassigned ones included.
TEST(Windows1252, AccentsAndTheBytes80To9FTakeOneByteAndEveryByteComesBack) {
  EXPECT_EQ(VersWindows1252("Ça, où? Zoé"),
            "\xC7"
            "a, o\xF9? Zo\xE9");
  EXPECT_EQ(DepuisWindows1252("Zo\xE9\xFF\xA0"), "Zoéÿ\u00A0");
  EXPECT_EQ(VersWindows1252("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
            "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
            "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
  EXPECT_EQ(DepuisWindows1252("\x80\x8C\x9C\x99\x9F"), "€Œœ™Ÿ");
  std::string tous;
  for (int o = 0; o < 256; ++o) tous.push_back(static_cast<char>(o));
  EXPECT_EQ(VersWindows1252(DepuisWindows1252(tous)), tous);
}

// What it cannot hold becomes one question mark a character; malformed UTF-8 one a byte.
TEST(Windows1252, WhatItCannotHoldBecomesQuestionMarks) {
  const std::pair<const char*, const char*> cas[] = {
      {"\u0080\u0099", "??"},  // C1 controls: byte 0x80 holds the euro sign, not U+0080
      {"Łukasz", "?ukasz"},
      {"李", "?"},
      {"a🎲b", "a?b"},
      {"a\x80z", "a?z"},  // a lone continuation byte
      {"a\xC3", "a?"},
      {"\xC3z", "?z"},               // cut at the end, before a letter
      {"\xC0\xAF", "??"},            // overlong '/'
      {"\xED\xA0\x80", "???"},       // a surrogate
      {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
      {"\xFF", "?"}};
  for (const auto& [utf8, octets] : cas) EXPECT_EQ(VersWindows1252(utf8), octets) << utf8;
}

}  // namespace
}  // namespace rolvex
