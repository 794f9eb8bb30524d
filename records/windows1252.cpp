#include "records/windows1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace rolvex {
namespace {

constexpr char Remplacant = '?';

// The only bytes whose character is not the Latin-1 character of the same number. The five
// bytes 1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own number.
constexpr std::array<char32_t, 32> Plage80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// Every byte's character, the 32 above in their place.
constexpr std::array<char32_t, 256> CaracteresDesOctets = [] {
  std::array<char32_t, 256> t{};
  for (char32_t o = 0; o < t.size(); ++o) t[o] = o;
  for (std::size_t i = 0; i < Plage80a9F.size(); ++i) t[0x80 + i] = Plage80a9F[i];
  return t;
}();

// A character's place in the reverse table: the 32 characters of 80..9F fall in 32 places.
constexpr std::size_t Empreinte(char32_t c) { return (c ^ (c >> 8)) & 0xFFu; }

// For each place, the byte whose character may fall there; zero where none does. One look
// and one comparison: a search through the 32 would compare every character of every name.
constexpr std::array<unsigned char, 256> OctetsDesEmpreintes = [] {
  std::array<unsigned char, 256> t{};
  for (std::size_t i = 0; i < Plage80a9F.size(); ++i)
    t[Empreinte(Plage80a9F[i])] = static_cast<unsigned char>(0x80 + i);
  return t;
}();

static_assert(
    [] {
      for (std::size_t i = 0; i < Plage80a9F.size(); ++i)
        if (OctetsDesEmpreintes[Empreinte(Plage80a9F[i])] != 0x80 + i) return false;
      return true;
    }(),
    "two characters of 80..9F share a place in the reverse table");

char32_t CaractereDeOctet(unsigned char octet) { return CaracteresDesOctets[octet]; }

std::optional<unsigned char> OctetDeCaractere(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  const unsigned char octet = OctetsDesEmpreintes[Empreinte(c)];
  if (octet != 0 && CaracteresDesOctets[octet] == c) return octet;
  return std::nullopt;
}

void AjouterUtf8(std::string& sortie, char32_t c) {
  auto octet = [&](std::uint32_t v) { sortie.push_back(static_cast<char>(v)); };
  if (c < 0x80) {
    octet(c);
  } else if (c < 0x800) {
    octet(0xC0 | (c >> 6));
    octet(0x80 | (c & 0x3F));
  } else {  // 1252 reaches no further than the basic plane
    octet(0xE0 | (c >> 12));
    octet(0x80 | ((c >> 6) & 0x3F));
    octet(0x80 | (c & 0x3F));
  }
}

struct CaractereLu {
  std::optional<char32_t> caractere;  // nothing: a malformed sequence
  std::size_t longueur;               // bytes consumed, at least 1
};

// Strict UTF-8: overlong forms, surrogates and values past U+10FFFF are malformed. A
// malformed sequence consumes one byte, so each of its bytes becomes one replacement.
CaractereLu LireUtf8(std::string_view texte, std::size_t i) {
  const auto o = [&](std::size_t k) { return static_cast<unsigned char>(texte[k]); };
  const unsigned char premier = o(i);
  if (premier < 0x80) return {premier, 1};

  std::size_t suite = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (premier >= 0xC2 && premier <= 0xDF) {
    suite = 1, c = premier & 0x1Fu, minimum = 0x80;
  } else if (premier >= 0xE0 && premier <= 0xEF) {
    suite = 2, c = premier & 0x0Fu, minimum = 0x800;
  } else if (premier >= 0xF0 && premier <= 0xF4) {
    suite = 3, c = premier & 0x07u, minimum = 0x10000;
  } else {
    return {std::nullopt, 1};
  }
  if (texte.size() - i <= suite) return {std::nullopt, 1};  // cut short by the end of the text
  for (std::size_t k = 1; k <= suite; ++k) {
    if ((o(i + k) & 0xC0u) != 0x80u) return {std::nullopt, 1};
    c = (c << 6) | (o(i + k) & 0x3Fu);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {std::nullopt, 1};
  return {c, suite + 1};
}

}  // namespace

std::string DepuisWindows1252(std::string_view octets) {
  std::string texte;
  texte.reserve(octets.size() * 3);
  for (char o : octets) AjouterUtf8(texte, CaractereDeOctet(static_cast<unsigned char>(o)));
  return texte;
}

std::string VersWindows1252(std::string_view utf8) {
  std::string octets;
  octets.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lu = LireUtf8(utf8, i);
    i += lu.longueur;
    const auto octet = lu.caractere ? OctetDeCaractere(*lu.caractere) : std::nullopt;
    octets.push_back(octet ? static_cast<char>(*octet) : Remplacant);
  }
  return octets;
}

}  // namespace rolvex
