// Whole games in each mode, played by a random player, checked after every move against the
// rules written plainly here: the squares each column shows, the potential and written scores,
// the totals, each throw die by die, the dice on the screen. Between the player's moves the test
// presses OK where the rules answer with or without a throw, presses the buttons of the dice
// knowing what each keeps, changes the faces and the mode of the next game, and tries the moves
// the rules forbid at that moment, which must leave the game and the screen as they are.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/headless_display.h"
#include "random_player.h"

namespace rolvex {
namespace {

// A screen that remembers what it shows. At every redraw it checks that a taken square reaches
// it once not yet drawn, then always drawn; the end of a game is told once the game is over,
// its total shown.
class Ecran : public AffichageMemoire {
 public:
  const Partie* partie = nullptr;

  void DessineCases() override {
    AffichageMemoire::DessineCases();
    for (int c = 1; c <= NbColonnesMax; ++c)
      for (int f = 1; f <= NbFigures; ++f) {
        const CaseJeu& k = partie->Etat().Cases(c, f);
        EXPECT_EQ(k.PriseDessinee, k.Prise && prisesDejaVues_[c][f]) << c << "," << f;
        prisesDejaVues_[c][f] = k.Prise;
      }
  }
  void AppelFinPartie() override {
    AffichageMemoire::AppelFinPartie();
    const EtatPartie& e = partie->Etat();
    EXPECT_TRUE(e.PartieTerminee && legendeScoreTotal == std::to_string(e.ScoreTotal));
  }

 private:
  Tableau<Tableau<bool, 1, NbFigures>, 1, NbColonnesMax> prisesDejaVues_{};
};

// A game on the table, not begun. It is the game's dice too: the faces the test chose, then a
// seeded die; every face handed out is noted, so that a throw can be checked die by die.
struct Table final : SourceDes {
  explicit Table(std::uint64_t graine) : hasard(graine) { ecran.partie = &partie; }
  void NouvellePartie() override { file.NouvellePartie(); }
  int16_t Face() override { return tires.emplace_back(file.Face()); }

  const EtatPartie& e() const { return partie.Etat(); }
  void Nouvelle(int mode) {
    partie.ChoisirMode(static_cast<int16_t>(mode));
    partie.AppelNouveau();
  }

  DeEquitable hasard;
  DesEnFile file{hasard};
  std::vector<int16_t> tires;
  Ecran ecran;
  Partie partie{ecran, *this};
};

// Whether the column rule shows the free square (c, f) now.
bool Ouverte(const EtatPartie& e, int c, int f) {
  if (e.FigureAnnoncee != AucuneAnnonce) return c == colonne::Annonce && f == e.FigureAnnoncee;
  return c == colonne::Descente ? f == e.ProchaineDescente
         : c == colonne::Montee ? f == e.ProchaineMontee
         : c == colonne::Deux   ? e.NbJets <= 2
         : c != colonne::Libre  ? e.NbJets <= 1
                                : true;
}

bool TousGardes(const EtatPartie& e) { return std::ranges::all_of(e.DesGardes, std::identity{}); }

// What the information line says after throw 1, 2 and 3: what the player may do next.
constexpr Message Apres[] = {Message::MsgBoutonsSouris, Message::MsgChoisirOuJeter,
                             Message::MsgChoisirCase};

// What the screen shows of a game, but the information line. Drawn anew after the third throw,
// the dice take the faces chosen since, where the screen kept the pictures of the throw.
auto Montre(const AffichageMemoire& a) {
  return std::tuple(a.imagesDes, a.legendeOkDe, a.figureRealisee, a.legendeTotalDes,
                    a.legendeScoreTotal, a.okDeVisible);
}
using Montre_t = decltype(Montre(AffichageMemoire{}));
bool RedessineCommeMontre(const EtatPartie& e, Montre_t redessine, const Montre_t& montre) {
  if (e.NbJets == NbJetsMax) std::get<0>(redessine) = std::get<0>(montre);
  return redessine == montre;
}

class Surveillant {
 public:
  Surveillant(Table& t, std::uint64_t graine)
      : t_(t), e_(t.partie.Etat()), hasard_(graine), avant_(e_), images_(t.ecran.imagesDes) {
    t_.tires.clear();
    Verifier();
  }

  // After each move of the player; false once a check has failed.
  bool ApresCoup() {
    const EtatPartie avantCoup = avant_;
    const auto montreAvantCoup = montre_;
    Suivant();
    EssayerReprise();
    EssayerAnnuler(avantCoup, montreAvantCoup);
    if (Entre(0, 9) == 0) {
      const auto faces = static_cast<int16_t>(Entre(1, 2));
      t_.partie.ChoisirFaces(faces);
      EXPECT_EQ(e_.TypeDes, faces);
      Suivant();
    }
    // The mode of the next game: this one keeps its columns and its length.
    if (Entre(0, 29) == 0) t_.partie.ChoisirMode(static_cast<int16_t>(Entre(1, 3)));
    EssayerOk();
    EssayerDe();
    EssayerInterdits();
    return !testing::Test::HasFailure();
  }

 private:
  int Entre(int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard_); }

  void Suivant(bool verifier = true) {
    if (verifier) Verifier();
    avant_ = e_;
    images_ = t_.ecran.imagesDes;
    montre_ = Montre(t_.ecran);
    t_.tires.clear();
  }

  // Any state of a game in progress comes back whole in a new game object, which shows what
  // this one shows.
  void EssayerReprise() {
    if (e_.PartieTerminee) return;
    Table reprise(0);
    reprise.partie.ChoisirFaces(e_.TypeDes);  // the faces are the player's choice of the day
    reprise.partie.Reprendre(e_, t_.partie.AvantEcriture());
    ASSERT_TRUE(reprise.e() == e_ && reprise.partie.AvantEcriture() == t_.partie.AvantEcriture());
    ASSERT_TRUE(RedessineCommeMontre(e_, Montre(reprise.ecran), montre_));
  }

  // The square the player just wrote, now and then taken back: the game and its screen are as
  // they were before it, once only.
  void EssayerAnnuler(const EtatPartie& avantCoup, const Montre_t& montre) {
    if (!t_.partie.PeutAnnuler() || e_.NumeroTour == avantCoup.NumeroTour || Entre(0, 2) != 0)
      return;
    t_.partie.Annuler();
    ASSERT_TRUE(e_ == avantCoup && RedessineCommeMontre(e_, Montre(t_.ecran), montre) &&
                !t_.partie.PeutAnnuler());
    Suivant(false);
  }

  void Verifier() {
    const EtatPartie& e = e_;
    const EtatPartie& a = avant_;
    const Ecran& ecran = t_.ecran;
    const bool jete = e.NbJets > 0;
    const AnalyseDes an = jete ? AnalyserDes(e.Des) : AnalyseDes{};
    ASSERT_TRUE(e.NbJets <= NbJetsMax && (!jete || e.Analyse == an));
    ASSERT_EQ(std::tuple(ecran.legendeOkDe, ecran.okDeVisible, ecran.figureRealisee,
                         ecran.legendeTotalDes),
              std::tuple(jete ? std::to_string(e.NbJets) : "OK", !e.PartieTerminee,
                         jete ? an.FigureNommee : TexteFigure::Aucun,
                         jete ? std::to_string(an.TotalDes) : ""));

    int32_t total = 0;
    int faites = 0, prises = 0, prisesAvant = 0, ecriteC = 0, ecriteF = 0;
    for (int c = 1; c <= NbColonnesMax; ++c) {
      const bool enJeu = c <= e.NbColonnes;
      int prisesColonne = 0;
      int32_t haut = 0, bas = 0, faitesColonne = 0;
      const CaseJeu& maxi = e.Cases(c, figure::Maxi);
      const CaseJeu& mini = e.Cases(c, figure::Mini);
      for (int f = 1; f <= NbFigures; ++f) {
        const CaseJeu& k = e.Cases(c, f);
        const CaseJeu& ka = a.Cases(c, f);
        prises += k.Prise;
        prisesAvant += ka.Prise;
        if (k.Prise && !ka.Prise) ecriteC = c, ecriteF = f;
        prisesColonne += k.Prise;
        (f <= 6 ? haut : bas) += k.Prise ? k.Score : 0;
        faitesColonne += f >= 7 && k.Prise && k.Score > 0;
        ASSERT_TRUE(ka.Prise ? k.Prise && k.Score == ka.Score : k.Prise || k.Score == 0);
        ASSERT_EQ(k.Selectionnable, jete && enJeu && !k.Prise);
        ASSERT_EQ(k.Visible, enJeu && (k.Prise || Ouverte(e, c, f)));
        ASSERT_TRUE(k.CouleurFond == (k.Prise ? Noir : Colonnes[c].fondLibre) &&
                    k.CouleurPrise == Blanc);
        // What the dice would score where the square can be written, nothing before the first
        // throw of a game; a lower figure formed shows red even where it is taken.
        if (!enJeu || (!jete && e.NumeroTour > 1)) continue;
        ASSERT_EQ(k.ScorePotentiel, k.Prise || !jete ? 0 : ScoreFigure(an, f, maxi, mini));
        ASSERT_EQ(k.CouleurPotentiel, !jete || (k.Prise && f <= 6) ? Noir : CouleurFigure(an, f));
      }
      ASSERT_EQ(e.ColonneFermee[c], !enJeu || prisesColonne == NbFigures) << c;
      // Descente is written from the top down and Montée from the bottom up, a square at a time.
      const int suivante = std::min<int>(prisesColonne + 1, NbFigures);
      ASSERT_TRUE(c != colonne::Descente || e.ProchaineDescente == suivante);
      ASSERT_TRUE(c != colonne::Montee || e.ProchaineMontee == NbFigures + 1 - suivante);
      // The totals, exact at every moment: the upper bonus at 60, 70 and 80; every lower figure
      // made earns 100, or 200 with 60 above; Maxi and Mini made add three times their gap.
      const int32_t bonusHaut = haut >= 80 ? 100 : haut >= 70 ? 50 : haut >= 60 ? 30 : 0;
      const bool ecart = maxi.Prise && mini.Prise && maxi.Score > 0 && mini.Score > 0;
      const int32_t bonusBas = (faitesColonne == 7 ? (haut >= 60 ? 200 : 100) : 0) +
                               (ecart ? 3 * (maxi.Score - mini.Score) : 0);
      ASSERT_TRUE(e.TotalHaut[c] == haut && e.BonusHaut[c] == bonusHaut && e.TotalBas[c] == bas &&
                  e.BonusBas[c] == bonusBas && e.NbFiguresColonne[c] == faitesColonne)
          << "column " << c;
      total += haut + bonusHaut + bas + bonusBas;
      faites += faitesColonne;
    }
    ASSERT_TRUE(e.ScoreTotal == total && e.NbFiguresRealisees == faites);
    ASSERT_EQ(ecran.legendeScoreTotal, std::to_string(total));

    // The dice: hidden and all kept between turns, without value before the first throw of a
    // game; between throws each shows its face while kept; after the third throw the pictures
    // stay as the throw left them whatever the faces chosen.
    ASSERT_TRUE(!e.SelectionDroite || e.NbJets == 1 || e.NbJets == 2);
    for (int i = 1; i <= NbDes; ++i) {
      const auto face = static_cast<int16_t>(e.Des[i] - 1 + (e.TypeDes - 1) * 6);
      if (!jete) {
        ASSERT_TRUE(e.DesGardes[i] && ecran.imagesDes[i] == ImageDeFond) << i;
        ASSERT_TRUE(e.NumeroTour > 1 || e.Des[i] == DeSansValeur) << i;
      } else {
        const bool figees = e.NbJets == NbJetsMax && a.NbJets == NbJetsMax;
        ASSERT_EQ(ecran.imagesDes[i], figees ? images_[i] : e.DesGardes[i] ? face : ImageDeFond);
      }
    }
    ASSERT_TRUE(jete || e.PartieTerminee ||
                (prises == e.NumeroTour - 1 && ecran.message == Message::MsgNouveauTirage));
    ASSERT_TRUE(e.NbJets == a.NbJets + 1 || t_.tires.empty()) << "dice drawn, no throw";
    if (prises > prisesAvant) {
      ASSERT_EQ(prises, prisesAvant + 1);
      VerifierEcriture(ecriteC, ecriteF);
      ASSERT_NE(t_.partie.PeutAnnuler(), e.PartieTerminee) << "the square can be taken back";
    } else if (e.NbJets == a.NbJets + 1) {
      VerifierJet();
      ASSERT_FALSE(t_.partie.PeutAnnuler()) << "a throw is never taken back";
    } else if (!e.PartieTerminee) {
      ASSERT_EQ(e.NumeroTour, a.NumeroTour) << "the turn ended without a square";
    }
  }

  // A throw says what comes next, throws the released dice or, for a click on an announced upper
  // figure, those not showing it, and leaves every die kept, none by the right button.
  void VerifierJet() {
    ASSERT_EQ(t_.ecran.message, Apres[e_.NbJets - 1]);
    ASSERT_TRUE(TousGardes(e_) && !e_.SelectionDroite);
    ASSERT_TRUE(Jete(false) || (EstFigureHaute(avant_.FigureAnnoncee) && Jete(true)));
  }

  // Whether the throw just made threw the released dice, or with `figure` those not showing the
  // announced figure (all five at the first throw), with the faces drawn in order, and left the
  // other dice as they were.
  bool Jete(bool figure) const {
    const EtatPartie& a = avant_;
    const std::vector<int16_t>& tires = t_.tires;
    std::size_t n = 0;
    for (int i = 1; i <= NbDes; ++i) {
      const bool garde = a.NbJets > 0 && (figure ? a.Des[i] == a.FigureAnnoncee : a.DesGardes[i]);
      if (e_.Des[i] != (garde ? a.Des[i] : n < tires.size() ? tires[n++] : 0)) return false;
    }
    return n == tires.size();
  }

  // The one square written by this move: shown before, written with the score it showed, in
  // Annonce only after the third throw; the turn is over.
  void VerifierEcriture(int c, int f) {
    const EtatPartie& e = e_;
    const EtatPartie& a = avant_;
    ASSERT_TRUE(a.Cases(c, f).Visible && a.NbJets > 0 && (c != colonne::Annonce || a.NbJets == 3));
    ASSERT_EQ(e.Cases(c, f).Score, a.Cases(c, f).ScorePotentiel) << c << "," << f;
    const int nbCases = e.NbColonnes * NbFigures;
    ASSERT_TRUE(e.PartieTerminee == (a.NumeroTour == nbCases) &&
                e.NumeroTour == std::min(a.NumeroTour + 1, nbCases));
  }

  // OK with nothing announced where the rules answer without a throw: between throws with
  // every die kept, when no square could use the throw, and with no throw left. Elsewhere
  // before the third throw, now and then, a throw that must be made: an announcement lifts the
  // refusals.
  void EssayerOk() {
    const EtatPartie& e = e_;
    if (e.PartieTerminee || e.NbJets == 0) return;
    const auto& fermee = e.ColonneFermee;
    const bool ldm = fermee[1] && fermee[2] && fermee[3];
    const bool inutile = (e.NbJets == 1 && ldm && fermee[5]) || (e.NbJets == 2 && ldm);
    if (e.FigureAnnoncee == AucuneAnnonce && (inutile || e.NbJets == 3 || TousGardes(e))) {
      EtatPartie attendu = e;
      attendu.SelectionDroite = false;
      t_.partie.AppelOkDeClique();
      ASSERT_TRUE(e == attendu) << "OK without a throw changed the game";
      ASSERT_EQ(t_.ecran.message, inutile ? Message::MsgChoisirCase : Apres[e.NbJets - 1]);
    } else if (e.NbJets < NbJetsMax && Entre(0, 3) == 0) {
      // A click on an announced upper figure throws as OK does.
      const bool clic = EstFigureHaute(e.FigureAnnoncee) && Entre(0, 1) == 0;
      clic ? t_.partie.AppelCliqueCase(colonne::Annonce, e.FigureAnnoncee)
           : t_.partie.AppelOkDeClique();
      ASSERT_EQ(e.NbJets, avant_.NbJets + 1)
          << (clic ? "the announced figure" : "OK") << " refused a throw";
      ASSERT_TRUE(!clic || Jete(true)) << "the announced figure threw dice of its face";
    }
    Suivant();
  }

  // Between throws the left button keeps or releases a die; the right one keeps the dice
  // identical to it and, pressed again, keeps them all; the place of a released die brings it
  // back. Keeping a die ends the choice of the right button.
  void EssayerDe() {
    if (e_.NbJets != PremierJet && e_.NbJets != DeuxiemeJet) return;
    const auto de = static_cast<int16_t>(Entre(1, NbDes));
    const int geste = Entre(0, 2);  // left button, right button, the place of the die
    EtatPartie attendu = e_;
    for (int i = 1; i <= NbDes; ++i)
      if (geste == 1) attendu.DesGardes[i] = e_.SelectionDroite || e_.Des[i] == e_.Des[de];
    if (geste != 1) attendu.DesGardes[de] = geste == 2 || !e_.DesGardes[de];
    attendu.SelectionDroite =
        geste == 1 ? !e_.SelectionDroite : e_.SelectionDroite && e_.DesGardes[de];
    geste == 2 ? t_.partie.PanelDe_Click(de)
               : t_.partie.ImageDe_MouseDown(de, geste == 0 ? bouton::Gauche : bouton::Droit);
    ASSERT_TRUE(e_ == attendu) << "gesture " << geste << " on die " << de;
    Suivant();
  }

  // A move the rules forbid now leaves the game and the screen as they are.
  template <typename Coup>
  void Interdit(const char* quoi, Coup coup, bool redessine = false) {
    const EtatPartie avant = e_;
    const Ecran ecran = t_.ecran;
    coup();
    ASSERT_TRUE(e_ == avant && t_.ecran.imagesDes == ecran.imagesDes &&
                t_.ecran.message == ecran.message &&
                (redessine || t_.ecran.nbDessins == ecran.nbDessins))
        << quoi;
  }

  void EssayerInterdits() {
    Partie& p = t_.partie;
    const EtatPartie& e = e_;
    const auto de = static_cast<int16_t>(Entre(1, NbDes));
    const auto horsDes = static_cast<int16_t>(Entre(0, 1) * 6);
    const auto gaucheOuDroit = static_cast<int16_t>(Entre(bouton::Gauche, bouton::Droit));
    const bool desAuChoix = e.NbJets == 1 || e.NbJets == 2;
    Interdit("dice out of range, other buttons, dice between turns, menus out of range", [&] {
      p.ImageDe_MouseDown(horsDes, gaucheOuDroit);
      p.PanelDe_Click(horsDes);
      p.ImageDe_MouseDown(de, std::array<int16_t, 3>{0, 3, bouton::Milieu}[Entre(0, 2)]);
      if (!desAuChoix) p.ImageDe_MouseDown(de, gaucheOuDroit);
      if (!desAuChoix || e.DesGardes[de]) p.PanelDe_Click(de);
      p.ChoisirFaces(static_cast<int16_t>(Entre(0, 1) * 3));
      p.ChoisirMode(static_cast<int16_t>(Entre(0, 1) * 4));
      if (e.PartieTerminee) p.AppelOkDeClique();
    });
    const auto c = static_cast<int16_t>(Entre(0, NbColonnesMax + 1));
    const auto f = static_cast<int16_t>(Entre(0, NbFigures + 1));
    const bool surLaFeuille = c >= 1 && c <= NbColonnesMax && f >= 1 && f <= NbFigures;
    if (!surLaFeuille || e.NbJets == 0 || !e.Cases(c, f).Visible || e.Cases(c, f).Prise)
      Interdit("a click off the sheet, before a throw, on a hidden or a taken square",
               [&] { p.AppelCliqueCase(c, f); });
    if (desAuChoix && e.FigureAnnoncee > figure::Six)
      Interdit(
          "the announced lower figure before the third throw",
          [&] { p.AppelCliqueCase(colonne::Annonce, e.FigureAnnoncee); }, true);
  }

  Table& t_;
  const EtatPartie& e_;
  std::mt19937_64 hasard_;
  EtatPartie avant_;
  Tableau<int16_t, 1, NbDes> images_;
  Montre_t montre_ = Montre(t_.ecran);
};

// The columns complete before the player starts are written so that their totals meet the
// bonuses at their thresholds: by the scores of As to Six and of the Yam, upper totals of 60, 59,
// 70, 69, 79 and 80, with every lower figure made (Maxi 28 and Mini 9 add 3 × 19) or the Yam
// crossed out.
constexpr std::array<int, 7> Ecrites[] = {{4, 8, 12, 16, 20, 0, 95}, {3, 8, 12, 16, 20, 0, 95},
                                          {4, 6, 12, 16, 20, 12, 0}, {3, 6, 12, 16, 20, 12, 95},
                                          {1, 6, 12, 16, 20, 24, 0}, {0, 8, 12, 16, 20, 24, 95}};

// Writes the 13 squares of column c in the order its rule allows, each in a whole turn whose
// first throw shows the faces chosen.
void Remplir(Table& t, int16_t c, const std::array<int, 7>& ecrite) {
  const char* bas[] = {
      "66664", "11223", "33322", "44441", "12345", "11114", ecrite[6] ? "55555" : "55554"};
  for (int i = 0; i < NbFigures; ++i) {
    const auto f = static_cast<int16_t>(c == colonne::Montee ? NbFigures - i : i + 1);
    const auto n = static_cast<std::size_t>(f <= 6 ? ecrite[f - 1] / f : 0);
    const std::string faces =
        f > 6 ? bas[f - 7] : std::string(n, char('0' + f)) + std::string(5 - n, f == 1 ? '2' : '1');
    for (char d : faces) t.file.Ajouter(static_cast<int16_t>(d - '0'));
    t.partie.AppelOkDeClique();
    t.partie.AppelCliqueCase(c, f);
    ASSERT_TRUE(t.e().Cases(c, f).Prise && t.file.NbEnAttente() == 0) << c << "," << f;
  }
}

// Random games in each mode keep the rules after every move and end after their last square,
// handing over a game whose totals are final and drawn. Each follows a game in another mode,
// finished, or abandoned in the middle of a turn with a die released and, where it can be, a
// figure announced: nothing of it may remain. In the six-column game some columns are complete
// before the player starts, so that OK meets its refusals.
class RandomGame : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(RandomGame, KeepsTheRulesAfterEveryMoveAndEndsAfterItsLastSquare) {
  const auto [mode, graine] = GetParam();
  const auto g = static_cast<std::uint64_t>(graine);
  essai::JoueurHasard joueur(g * 7919 + 1);
  Table t(g);
  // Before the first game there is no throw button to press.
  t.partie.AppelOkDeClique();
  ASSERT_TRUE(t.e() == EtatPartie{} && t.ecran.nbDessins == 0);
  t.Nouvelle(mode % 3 + 1);
  joueur.JouerPartie(t.partie,
                     [&] { return graine % 2 == 0 || t.e().NumeroTour < 3 || TousGardes(t.e()); });
  for (int f = 1; f <= NbFigures && t.e().FigureAnnoncee == AucuneAnnonce; ++f)
    t.partie.AppelCliqueCase(colonne::Annonce, static_cast<int16_t>(f));
  t.Nouvelle(mode);
  // By their numbers: Libre 1, Descente 2, Montée 3, Deux 5.
  constexpr std::string_view completes[] = {"", "1235", "123", "125", "135", "235"};
  for (char numero : mode == 3 ? completes[graine % 6] : "") {
    const auto c = static_cast<int16_t>(numero - '0');
    Remplir(t, c, Ecrites[(graine + c) % std::size(Ecrites)]);
  }
  Surveillant surveillant(t, g);
  const int coups = joueur.JouerPartie(t.partie, [&] { return surveillant.ApresCoup(); });
  ASSERT_FALSE(HasFailure());

  const EtatPartie& e = t.e();
  ASSERT_TRUE(e.PartieTerminee) << "not over after " << coups << " moves";
  EXPECT_EQ(e.NumeroTour, NbCasesMode[mode]);
  EXPECT_EQ(t.ecran.nbFinsPartie, graine % 2 == 0 ? 2 : 1);
  // A new game starts the die afresh: with a fixed seed it throws the same dice again.
  t.Nouvelle(mode);
  t.partie.AppelOkDeClique();
  DeEquitable frais(g);
  for (int16_t de : e.Des) EXPECT_EQ(de, frais.Face());
}

INSTANTIATE_TEST_SUITE_P(EachMode, RandomGame,
                         testing::Combine(testing::Values(1, 2, 3), testing::Range(1, 13)));

}  // namespace
}  // namespace rolvex
