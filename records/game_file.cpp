#include "records/game_file.h"

#include <algorithm>
#include <charconv>
#include <random>
#include <sstream>
#include <string_view>

namespace rolvex {

namespace {

// One line a part: the header, the game, what an undo would bring back ("-" for nothing), the
// clock (with a third number, 1, once the coach was asked: a game without it keeps the line
// earlier versions read), the generator, then the checksum of all the lines before it.
constexpr std::string_view EnTete = "ROLVEX partie en cours 1";
constexpr std::string_view Rien = "-";
constexpr std::size_t NbLignes = 6;

constexpr int64_t ScoreMax = 999;
constexpr int64_t TotalMax = 99999;
constexpr int64_t CouleurMax = 0xFFFFFF;
constexpr int64_t MinutesMax = 10'000'000;

// Every field of the game but the analysis of the dice, which follows from them; with the
// range a value read must fall in (0 or 1 for a flag).
template <typename Archive>
void Champs(Archive& a, EtatPartie& e) {
  a(e.ModeJeu, 1, 3);
  a(e.TypeDes, faces::Classiques, faces::Numeriques);
  a(e.NbColonnes, 1, NbColonnesMax);
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      CaseJeu& k = e.Cases(c, f);
      a(k.Prise);
      a(k.Visible);
      a(k.Selectionnable);
      a(k.Score, 0, ScoreMax);
      a(k.CouleurPrise, 0, CouleurMax);
      a(k.ScorePotentiel, 0, ScoreMax);
      a(k.CouleurPotentiel, 0, CouleurMax);
      a(k.CouleurFond, 0, CouleurMax);
      a(k.PriseDessinee);
    }
    a(e.ColonneFermee[c]);
    a(e.NbFiguresColonne[c], 0, NbFiguresBas);
    a(e.TotalHaut[c], 0, TotalMax);
    a(e.BonusHaut[c], 0, TotalMax);
    a(e.TotalBas[c], 0, TotalMax);
    a(e.BonusBas[c], 0, TotalMax);
  }
  a(e.ProchaineDescente, figure::As, figure::Yam);
  a(e.ProchaineMontee, figure::As, figure::Yam);
  for (int16_t d = 1; d <= NbDes; ++d) {
    a(e.Des[d], DeSansValeur, 6);
    a(e.DesGardes[d]);
  }
  a(e.SelectionDroite);
  a(e.NbJets, 0, NbJetsMax);
  a(e.FigureAnnoncee, AucuneAnnonce, NbFigures);
  a(e.NumeroTour, 1, NbColonnesMax * NbFigures);
  a(e.PartieTerminee, 0, 0);  // a finished game is never saved as in progress
  a(e.ScoreTotal, 0, TotalMax);
  a(e.NbFiguresRealisees, 0, NbColonnesMax * NbFiguresBas);
}

struct Ecrivain {
  std::string texte;
  void operator()(bool valeur) { (*this)(valeur, 0, 1); }
  template <typename T>
  void operator()(const T& valeur, int64_t, int64_t) {
    if (!texte.empty()) texte += ' ';
    texte += std::to_string(static_cast<int64_t>(valeur));
  }
};

class Lecteur {
 public:
  explicit Lecteur(std::string_view texte) : reste_(texte) {}
  void operator()(bool& valeur) { (*this)(valeur, 0, 1); }
  template <typename T>
  void operator()(T& valeur, int64_t min, int64_t max) {
    int64_t lu = 0;
    const auto [fin, erreur] = std::from_chars(reste_.data(), reste_.data() + reste_.size(), lu);
    if (erreur != std::errc{} || lu < min || lu > max) {
      ok_ = false;
      return;
    }
    valeur = static_cast<T>(lu);
    reste_.remove_prefix(static_cast<std::size_t>(fin - reste_.data()));
    if (!reste_.empty() && reste_.front() == ' ') reste_.remove_prefix(1);
  }
  bool Fini() const { return ok_ && reste_.empty(); }

 private:
  std::string_view reste_;
  bool ok_ = true;
};

std::string EnTexte(EtatPartie e) {
  Ecrivain ecrivain;
  Champs(ecrivain, e);
  return ecrivain.texte;
}

// The values each hold in their range; what is left to check are the values that depend on
// one another, so that no rule of the game meets a square, die or figure that cannot be.
bool DesJetes(const EtatPartie& e) {
  return std::ranges::none_of(e.Des, [](int16_t de) { return de == DeSansValeur; });
}

bool Coherent(const EtatPartie& e) {
  if (e.NbColonnes != NbColonnesMode[e.ModeJeu]) return false;
  if (e.NumeroTour > e.NbColonnes * NbFigures || e.FigureAnnoncee == 0) return false;
  if (std::ranges::find(e.Des, 0) != e.Des.end()) return false;
  return DesJetes(e) || e.NbJets == 0;
}

std::optional<EtatPartie> EtatDeTexte(std::string_view texte) {
  EtatPartie e;
  Lecteur lecteur(texte);
  Champs(lecteur, e);
  if (!lecteur.Fini() || !Coherent(e)) return std::nullopt;
  if (DesJetes(e)) e.Analyse = AnalyserDes(e.Des);
  return e;
}

// FNV-1a: enough to tell a file cut short or altered by accident.
std::string Somme(std::string_view texte) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (const char c : texte) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3ULL;
  }
  std::ostringstream s;
  s << std::hex << h;
  return s.str();
}

bool GenerateurValide(std::string_view texte) {
  std::istringstream lu{std::string(texte)};
  std::mt19937 generateur;
  return static_cast<bool>(lu >> generateur) && (lu >> std::ws).eof();
}

}  // namespace

std::vector<std::uint8_t> EncoderPartie(const PartieEnCours& partie) {
  std::string texte(EnTete);
  texte += '\n';
  texte += EnTexte(partie.etat) + '\n';
  texte += (partie.avantEcriture ? EnTexte(*partie.avantEcriture) : std::string(Rien)) + '\n';
  texte += std::to_string(partie.minutes) + ' ' + std::to_string(partie.secondes);
  texte += partie.coach ? " 1\n" : "\n";
  texte += partie.generateur + '\n';
  texte += Somme(texte) + '\n';
  return {texte.begin(), texte.end()};
}

std::optional<PartieEnCours> DecoderPartie(std::span<const std::uint8_t> octets) {
  const std::string texte(octets.begin(), octets.end());
  std::vector<std::string_view> lignes;
  for (std::string_view reste = texte; !reste.empty();) {
    const std::size_t fin = reste.find('\n');
    if (fin == std::string_view::npos) return std::nullopt;  // cut short
    lignes.push_back(reste.substr(0, fin));
    reste.remove_prefix(fin + 1);
  }
  if (lignes.size() != NbLignes || lignes[0] != EnTete) return std::nullopt;
  const std::size_t avantSomme = texte.size() - lignes.back().size() - 1;
  if (Somme(std::string_view(texte).substr(0, avantSomme)) != lignes.back()) return std::nullopt;

  PartieEnCours partie;
  const std::optional<EtatPartie> etat = EtatDeTexte(lignes[1]);
  if (!etat) return std::nullopt;
  partie.etat = *etat;
  if (lignes[2] != Rien) {
    partie.avantEcriture = EtatDeTexte(lignes[2]);
    if (!partie.avantEcriture) return std::nullopt;
  }
  Lecteur horloge(lignes[3]);
  horloge(partie.minutes, 0, MinutesMax);
  horloge(partie.secondes, 0, 59);
  if (!horloge.Fini()) horloge(partie.coach, 1, 1);
  if (!horloge.Fini() || !GenerateurValide(lignes[4])) return std::nullopt;
  partie.generateur = lignes[4];
  return partie;
}

}  // namespace rolvex
