#include "script_commands.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <span>

#include "engine/score_sheet.h"

namespace rolvex::cli {

namespace {

using Arguments = std::span<const std::string_view>;
using Lecture = std::variant<Commande, Refus>;

// What a numeric argument stands for and the values it may take.
struct Borne {
  std::string_view quoi;
  std::int64_t min;
  std::int64_t max;
};
constexpr Borne Mode{"mode", 1, 3};
constexpr Borne Face{"die value", 1, 6};
constexpr Borne Dé{"die", 1, NbDés};
constexpr Borne Colonne{"column", 1, NbColonnesMax};
constexpr Borne Figure{"figure", 1, NbFigures};
constexpr Borne TypeFaces{"faces", 1, 2};
constexpr Borne NbTics{"tick count", 1, TicsParLigneMax};

// The whole word as a decimal number, or nothing (no sign, no trailing characters).
template <typename Entier>
std::optional<Entier> Nombre(std::string_view mot) {
  Entier valeur{};
  const char* fin = mot.data() + mot.size();
  const auto [où, erreur] = std::from_chars(mot.data(), fin, valeur);
  if (mot.empty() || erreur != std::errc{} || où != fin) return std::nullopt;
  return valeur;
}

template <typename Entier = int16_t>
std::optional<Entier> DansBorne(std::string_view mot, const Borne& borne) {
  const auto n = Nombre<std::int64_t>(mot);
  if (!n || *n < borne.min || *n > borne.max) return std::nullopt;
  return static_cast<Entier>(*n);
}

Refus HorsBorne(std::string_view mot, const Borne& borne) {
  return Refus{std::string(borne.quoi) + " must be a number from " + std::to_string(borne.min) +
               " to " + std::to_string(borne.max) + ", not '" + std::string(mot) + "'"};
}

Lecture LireLangue(Arguments a) {
  if (a[0] == "fr") return ChoixLangue{Langue::Français};
  if (a[0] == "en") return ChoixLangue{Langue::Anglais};
  return Refus{"language must be 'fr' or 'en', not '" + std::string(a[0]) + "'"};
}

Lecture LireGraine(Arguments a) {
  if (auto graine = Nombre<std::uint64_t>(a[0])) return FixerGraine{*graine};
  return Refus{"seed must be a whole number from 0 to " +
               std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not '" +
               std::string(a[0]) + "'"};
}

Lecture LireNouvelle(Arguments a) {
  if (auto m = DansBorne(a[0], Mode)) return NouvellePartie{*m};
  return HorsBorne(a[0], Mode);
}

// One bad value refuses the whole line, so a typo never leaves half a queue behind.
Lecture LireDés(Arguments a) {
  MettreDésEnFile file;
  for (std::string_view mot : a) {
    const auto face = DansBorne(mot, Face);
    if (!face) return HorsBorne(mot, Face);
    file.faces.push_back(*face);
  }
  return file;
}

Lecture LireOk(Arguments) { return PresserOk{}; }

template <int16_t bouton>
Lecture LireBouton(Arguments a) {
  if (auto d = DansBorne(a[0], Dé)) return BoutonSurDé{*d, bouton};
  return HorsBorne(a[0], Dé);
}

Lecture LirePlace(Arguments a) {
  if (auto d = DansBorne(a[0], Dé)) return CliquerPlaceDé{*d};
  return HorsBorne(a[0], Dé);
}

Lecture LireClic(Arguments a) {
  const auto c = DansBorne(a[0], Colonne);
  if (!c) return HorsBorne(a[0], Colonne);
  const auto f = DansBorne(a[1], Figure);
  if (!f) return HorsBorne(a[1], Figure);
  return CliquerCase{*c, *f};
}

Lecture LireFaces(Arguments a) {
  if (auto t = DansBorne(a[0], TypeFaces)) return ChoisirFaces{*t};
  return HorsBorne(a[0], TypeFaces);
}

Lecture LireTics(Arguments a) {
  if (a.empty()) return Tics{1};
  if (auto n = DansBorne<int32_t>(a[0], NbTics)) return Tics{*n};
  return HorsBorne(a[0], NbTics);
}

Lecture LireÉtat(Arguments) { return AfficherÉtat{}; }

struct Syntaxe {
  std::string_view nom;
  std::string_view usage;  // shown when the number of arguments is wrong
  std::size_t nbMin;
  std::size_t nbMax;
  Lecture (*lire)(Arguments);  // called with nbMin..nbMax arguments
};

constexpr std::size_t SansLimite = std::numeric_limits<std::size_t>::max();

constexpr std::array Syntaxes{
    Syntaxe{"lang", "lang fr|en", 1, 1, LireLangue},
    Syntaxe{"seed", "seed N", 1, 1, LireGraine},
    Syntaxe{"new", "new MODE", 1, 1, LireNouvelle},
    Syntaxe{"dice", "dice V1 [V2 ...]", 1, SansLimite, LireDés},
    Syntaxe{"ok", "ok", 0, 0, LireOk},
    Syntaxe{"left", "left DIE", 1, 1, LireBouton<1>},
    Syntaxe{"right", "right DIE", 1, 1, LireBouton<2>},
    Syntaxe{"place", "place DIE", 1, 1, LirePlace},
    Syntaxe{"click", "click COLUMN FIGURE", 2, 2, LireClic},
    Syntaxe{"faces", "faces 1|2", 1, 1, LireFaces},
    Syntaxe{"tick", "tick [N]", 0, 1, LireTics},
    Syntaxe{"state", "state", 0, 0, LireÉtat},
};

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::vector<std::string_view> Mots(std::string_view ligne) {
  std::vector<std::string_view> mots;
  std::size_t i = 0;
  while (i < ligne.size()) {
    while (i < ligne.size() && EstBlanc(ligne[i])) ++i;
    const std::size_t début = i;
    while (i < ligne.size() && !EstBlanc(ligne[i])) ++i;
    if (i > début) mots.push_back(ligne.substr(début, i - début));
  }
  return mots;
}

}  // namespace

LigneLue LireLigne(std::string_view ligne) {
  // Scripts written on another system end their lines with "\r\n".
  if (ligne.ends_with('\r')) ligne.remove_suffix(1);
  const std::vector<std::string_view> mots = Mots(ligne);
  if (mots.empty() || mots.front().starts_with('#')) return LigneVide{};

  const std::string_view nom = mots.front();
  const Arguments arguments = Arguments(mots).subspan(1);
  for (const Syntaxe& s : Syntaxes) {
    if (s.nom != nom) continue;
    if (arguments.size() < s.nbMin || arguments.size() > s.nbMax)
      return Refus{"wrong number of arguments (" + std::to_string(arguments.size()) +
                   "), expected: " + std::string(s.usage)};
    return std::visit([](auto&& l) -> LigneLue { return std::move(l); }, s.lire(arguments));
  }
  return Refus{"unknown command '" + std::string(nom) + "'"};
}

}  // namespace rolvex::cli
