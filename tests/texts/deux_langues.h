// A text in both languages as one line, French first, so that one check covers both.
#pragma once

#include <string>

#include "texts/language_tables.h"

namespace rolvex {

// texte(args..., langue) in each language.
template <typename Texte, typename... Args>
std::string FrEn(Texte texte, const Args&... args) {
  return std::string(texte(args..., Langue::Francais)) + " | " +
         std::string(texte(args..., Langue::Anglais));
}

}  // namespace rolvex
