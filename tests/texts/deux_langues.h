// A text in both languages as one line, French first, so that one check covers both.
#pragma once

#include <string>

#include "texts/language_tables.h"

namespace rolvex {

inline std::string FrEn(const Bilingue& b) { return std::string(b.fr) + " | " + std::string(b.en); }

template <typename Texte>
std::string FrEn(Texte texte) {
  return std::string(texte(Langue::Francais)) + " | " + std::string(texte(Langue::Anglais));
}

}  // namespace rolvex
