#include "script_commands.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <span>

#include "engine/score_sheet.h"
#include "playarea/dialog_layout.h"
#include "session/session.h"

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
constexpr Borne De{"die", 1, NbDes};
constexpr Borne Colonne{"column", 1, NbColonnesMax};
constexpr Borne Figure{"figure", 1, NbFigures};
constexpr Borne TypeFaces{"faces", 1, 2};
constexpr Borne NbTics{"tick count", 1, TicsParLigneMax};
constexpr Borne OuBonus{"bonus row", 1, 2};
constexpr Borne Rang{"row", 1, NbPlaces};

// The whole word as a decimal number, or nothing (no sign, no trailing characters).
template <typename Entier>
std::optional<Entier> Nombre(std::string_view mot) {
  Entier valeur{};
  const char* fin = mot.data() + mot.size();
  const auto [ou, erreur] = std::from_chars(mot.data(), fin, valeur);
  if (mot.empty() || erreur != std::errc{} || ou != fin) return std::nullopt;
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
  if (a[0] == "fr") return ChoixLangue{Langue::Francais};
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
Lecture LireDes(Arguments a) {
  MettreDesEnFile file;
  for (std::string_view mot : a) {
    const auto face = DansBorne(mot, Face);
    if (!face) return HorsBorne(mot, Face);
    file.faces.push_back(*face);
  }
  return file;
}

Lecture LireOk(Arguments) { return PresserOk{}; }
Lecture LireAnnuler(Arguments) { return AnnulerCase{}; }
Lecture LireConseil(Arguments) { return DemanderConseil{}; }
Lecture LireChances(Arguments) { return BasculerChances{}; }
Lecture LireRevue(Arguments) { return DemanderRevue{}; }

template <int16_t bouton>
Lecture LireBouton(Arguments a) {
  if (auto d = DansBorne(a[0], De)) return BoutonSurDe{*d, bouton};
  return HorsBorne(a[0], De);
}

Lecture LirePlace(Arguments a) {
  if (auto d = DansBorne(a[0], De)) return CliquerPlaceDe{*d};
  return HorsBorne(a[0], De);
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

Lecture LireEtat(Arguments) { return AfficherEtat{}; }

Lecture LireStatistiques(Arguments a) {
  if (a.empty()) return AfficherStatistiques{};
  if (auto m = DansBorne(a[0], Mode)) return AfficherStatistiques{*m};
  return HorsBorne(a[0], Mode);
}

Lecture LireSurvolCase(Arguments a) {
  const auto c = DansBorne(a[0], Colonne);
  if (!c) return HorsBorne(a[0], Colonne);
  const auto f = DansBorne(a[1], Figure);
  if (!f) return HorsBorne(a[1], Figure);
  return SurvolerCase{*c, *f};
}

Lecture LireSurvolBonus(Arguments a) {
  const auto ou = DansBorne(a[0], OuBonus);
  if (!ou) return HorsBorne(a[0], OuBonus);
  const auto c = DansBorne(a[1], Colonne);
  if (!c) return HorsBorne(a[1], Colonne);
  return SurvolerBonus{*ou, *c};
}

// The panels with a help of their own, by the names the window gives them.
constexpr std::array PanelsDes{Seul::PanelFigureRealisee, Seul::PanelTotalDes,
                               Seul::PanelScoreTotal};

Lecture LireSurvolPanel(Arguments a) {
  const std::string nom(a[0]);
  for (Seul panel : PanelsDes) {
    if (Nom(panel) != a[0]) continue;
    if (a.size() > 1) return Refus{nom + " has no rows: expected: panel " + nom};
    return SurvolerPanel{panel};
  }
  for (Famille colonne : FamillesScores) {
    if (NomFamille(colonne) != a[0]) continue;
    if (a.size() < 2) return Refus{nom + " has ten rows: expected: panel " + nom + " ROW"};
    if (auto rang = DansBorne(a[1], Rang)) return SurvolerPanelScore{colonne, *rang};
    return HorsBorne(a[1], Rang);
  }
  return Refus{"unknown panel '" + nom +
               "': PanelFigureRéalisée, PanelTotalDés, PanelScoreTotal, or PanelScoreClassement, "
               "PanelScoreNom, PanelScoreTemps, PanelScoreNbFigures, PanelScoreScore with a row"};
}

Lecture LireSurvolAire(Arguments) { return SurvolerAire{}; }

// A length of the screen in twips: any decimal number the layout can describe.
std::optional<double> Longueur(std::string_view mot) {
  double valeur = 0;
  const char* fin = mot.data() + mot.size();
  const auto [ou, erreur] = std::from_chars(mot.data(), fin, valeur);
  if (mot.empty() || erreur != std::errc{} || ou != fin) return std::nullopt;
  return valeur;
}

Lecture LireDisposition(Arguments a) {
  const auto largeur = Longueur(a[0]);
  const auto hauteur = Longueur(a[1]);
  if (!largeur || !hauteur || !DimensionsEcranValides(*largeur, *hauteur))
    return Refus{"screen must be a width and a height from 1 to 1000000 twips, not '" +
                 std::string(a[0]) + " " + std::string(a[1]) + "'"};
  const auto n = Nombre<int>(a[2]);
  if (!n || (*n != 1 && *n != 3 && *n != 6))
    return Refus{"columns must be 1, 3 or 6, not '" + std::string(a[2]) + "'"};
  return Disposer{*largeur, *hauteur, static_cast<int16_t>(*n)};
}

Lecture LireOptionMode(Arguments a) {
  if (auto m = DansBorne(a[0], Mode)) return ChoisirOptionMode{*m};
  return HorsBorne(a[0], Mode);
}

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Characters of UTF-8 text: every byte but the continuation bytes starts one.
std::size_t NbCaracteres(std::string_view texte) {
  std::size_t n = 0;
  for (char c : texte) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

Lecture LireNom(std::string_view reste) {
  if (!reste.empty() && EstBlanc(reste.front())) reste.remove_prefix(1);
  if (NbCaracteres(reste) > LongueurTextName)
    return Refus{"the name box holds at most " + std::to_string(LongueurTextName) +
                 " characters, not " + std::to_string(NbCaracteres(reste))};
  return ValiderNom{std::string(reste)};
}

Lecture LireDossier(std::string_view reste) {
  while (!reste.empty() && EstBlanc(reste.front())) reste.remove_prefix(1);
  while (!reste.empty() && EstBlanc(reste.back())) reste.remove_suffix(1);
  if (reste.empty()) return Refus{"wrong number of arguments (0), expected: data DIR"};
  return ChargerDossier{std::string(reste)};
}

struct Syntaxe {
  std::string_view nom;
  std::string_view usage;  // shown when the number of arguments is wrong
  std::size_t nbMin;
  std::size_t nbMax;
  Lecture (*lire)(Arguments);  // called with nbMin..nbMax arguments
  // For a command that takes the rest of its line as one text, instead of `lire`.
  Lecture (*lireTexte)(std::string_view reste) = nullptr;
};

constexpr std::size_t SansLimite = std::numeric_limits<std::size_t>::max();

constexpr std::array Syntaxes{
    Syntaxe{"lang", "lang fr|en", 1, 1, LireLangue},
    Syntaxe{"seed", "seed N", 1, 1, LireGraine},
    Syntaxe{"new", "new MODE", 1, 1, LireNouvelle},
    Syntaxe{"dice", "dice V1 [V2 ...]", 1, SansLimite, LireDes},
    Syntaxe{"ok", "ok", 0, 0, LireOk},
    Syntaxe{"undo", "undo", 0, 0, LireAnnuler},
    Syntaxe{"hint", "hint", 0, 0, LireConseil},
    Syntaxe{"odds", "odds", 0, 0, LireChances},
    Syntaxe{"review", "review", 0, 0, LireRevue},
    Syntaxe{"left", "left DIE", 1, 1, LireBouton<1>},
    Syntaxe{"right", "right DIE", 1, 1, LireBouton<2>},
    Syntaxe{"place", "place DIE", 1, 1, LirePlace},
    Syntaxe{"click", "click COLUMN FIGURE", 2, 2, LireClic},
    Syntaxe{"faces", "faces 1|2", 1, 1, LireFaces},
    Syntaxe{"tick", "tick [N]", 0, 1, LireTics},
    Syntaxe{"state", "state", 0, 0, LireEtat},
    Syntaxe{"stats", "stats [MODE]", 0, 1, LireStatistiques},
    Syntaxe{"hover", "hover COLUMN FIGURE", 2, 2, LireSurvolCase},
    Syntaxe{"bonus", "bonus 1|2 COLUMN", 2, 2, LireSurvolBonus},
    Syntaxe{"panel", "panel NAME [ROW]", 1, 2, LireSurvolPanel},
    Syntaxe{"bare", "bare", 0, 0, LireSurvolAire},
    Syntaxe{"layout", "layout WIDTH HEIGHT COLUMNS", 3, 3, LireDisposition},
    Syntaxe{"mode", "mode MODE", 1, 1, LireOptionMode},
    Syntaxe{"name", "name TEXT", 0, SansLimite, nullptr, LireNom},
    Syntaxe{"data", "data DIR", 0, SansLimite, nullptr, LireDossier},
};

std::vector<std::string_view> Mots(std::string_view ligne) {
  std::vector<std::string_view> mots;
  std::size_t i = 0;
  while (i < ligne.size()) {
    while (i < ligne.size() && EstBlanc(ligne[i])) ++i;
    const std::size_t debut = i;
    while (i < ligne.size() && !EstBlanc(ligne[i])) ++i;
    if (i > debut) mots.push_back(ligne.substr(debut, i - debut));
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
    if (s.lireTexte != nullptr) {
      const auto finNom = static_cast<std::size_t>(nom.data() - ligne.data()) + nom.size();
      return std::visit([](auto&& l) -> LigneLue { return std::move(l); },
                        s.lireTexte(ligne.substr(finNom)));
    }
    if (arguments.size() < s.nbMin || arguments.size() > s.nbMax)
      return Refus{"wrong number of arguments (" + std::to_string(arguments.size()) +
                   "), expected: " + std::string(s.usage)};
    return std::visit([](auto&& l) -> LigneLue { return std::move(l); }, s.lire(arguments));
  }
  return Refus{"unknown command '" + std::string(nom) + "'"};
}

}  // namespace rolvex::cli
