// Names travel through the data files in Windows-1252, one byte per character; in memory
// they are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace rolvex {

// Every byte 0..255 gives one character (the five bytes 1252 leaves unassigned give the C1
// control of the same number), so reading never fails and writing back gives the same bytes.
std::string DepuisWindows1252(std::string_view octets);

// One byte per character. A character that 1252 cannot hold, and every byte of a malformed
// UTF-8 sequence, becomes '?'. The result has exactly as many bytes as the text has
// characters, so cutting it anywhere cuts on a character boundary.
std::string VersWindows1252(std::string_view utf8);

}  // namespace rolvex
