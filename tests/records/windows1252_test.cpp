#include "app/records/windows1252.h"

#include <gtest/gtest.h>

namespace rolvex {
namespace {

// One byte per character, each way, with the whole 1252 table.
TEST(Windows1252, AccentedLettersTakeOneByte) {
  EXPECT_EQ(VersWindows1252("Zoé"), "Zo\xE9");
  EXPECT_EQ(VersWindows1252("Ça, où?"), "\xC7" "a, o\xF9?");
  EXPECT_EQ(DepuisWindows1252("Zo\xE9"), "Zoé");
  EXPECT_EQ(DepuisWindows1252("\xFF\xA0"), "ÿ\u00A0");
}

TEST(Windows1252, TheBytes80To9FAreTheirOwnCharacters) {
  EXPECT_EQ(VersWindows1252("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
            "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
            "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
  EXPECT_EQ(DepuisWindows1252("\x80\x8C\x9C\x99\x9F"), "€Œœ™Ÿ");
}

TEST(Windows1252, TheFiveUnassignedBytesComeBackAsThemselves) {
  for (unsigned char o : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    const std::string octet(1, static_cast<char>(o));
    EXPECT_EQ(VersWindows1252(DepuisWindows1252(octet)), octet) << int(o);
  }
}

TEST(Windows1252, EveryByteReadAndWrittenBackIsTheSameByte) {
  std::string tous;
  for (int o = 0; o < 256; ++o) tous.push_back(static_cast<char>(o));
  EXPECT_EQ(VersWindows1252(DepuisWindows1252(tous)), tous);
}

TEST(Windows1252, C1ControlsThatAreNotUnassignedBytesCannotBeHeld) {
  // U+0080 is not the euro sign, which byte 0x80 holds.
  EXPECT_EQ(VersWindows1252("\u0080\u0099"), "??");
}

TEST(Windows1252, ACharacterItCannotHoldBecomesOneQuestionMark) {
  EXPECT_EQ(VersWindows1252("Łukasz"), "?ukasz");
  EXPECT_EQ(VersWindows1252("李"), "?");
  EXPECT_EQ(VersWindows1252("a🎲b"), "a?b");
}

TEST(Windows1252, EachByteOfMalformedUtf8BecomesAQuestionMark) {
  EXPECT_EQ(VersWindows1252("a\x80z"), "a?z");           // a lone continuation byte
  EXPECT_EQ(VersWindows1252("a\xC3"), "a?");             // cut at the end
  EXPECT_EQ(VersWindows1252("\xC3z"), "?z");             // cut before a letter
  EXPECT_EQ(VersWindows1252("\xC0\xAF"), "??");          // overlong '/'
  EXPECT_EQ(VersWindows1252("\xED\xA0\x80"), "???");     // a surrogate
  EXPECT_EQ(VersWindows1252("\xF4\x90\x80\x80"), "????");  // past U+10FFFF
  EXPECT_EQ(VersWindows1252("\xFF"), "?");
}

}  // namespace
}  // namespace rolvex
