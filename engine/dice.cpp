#include "dice.h"

#include <sstream>
#include <string>

#include "game.h"

namespace rolvex {

namespace {

// 64 bits from the system's source of entropy, so that two games started in the same instant
// still throw different dice.
std::uint64_t GraineDuSysteme() {
  std::random_device source;
  const std::uint64_t haut = source();
  return haut << 32 | source();
}

}  // namespace

void DeEquitable::NouvellePartie() {
  const std::uint64_t graine = graine_ ? *graine_ : GraineDuSysteme();
  std::seed_seq semence{static_cast<std::uint32_t>(graine),
                        static_cast<std::uint32_t>(graine >> 32)};
  generateur_.seed(semence);
}

std::string DeEquitable::Etat() const {
  std::ostringstream texte;
  texte << generateur_;
  return texte.str();
}

bool DeEquitable::Restaurer(std::string_view etat) {
  std::istringstream texte{std::string(etat)};
  std::mt19937 lu;
  if (!(texte >> lu) || !(texte >> std::ws).eof()) return false;
  generateur_ = lu;
  return true;
}

int16_t DeEquitable::Face() {
  for (;;) {
    if (auto face = FaceEquitable(static_cast<std::uint32_t>(generateur_()))) return *face;
  }
}

}  // namespace rolvex

namespace rolvex {

// The die and throw numbers do not influence the draw.
int16_t Partie::MyRandom(int16_t /*dé*/, int16_t /*jet*/) { return source_.Face(); }

void Partie::AfficherDe(int16_t de) {
  const int16_t valeur = etat_.Des[de];
  if (valeur == DeSansValeur) return;
  // The six pictures of the numerals follow the six of the pips.
  affichage_.ImageDe(de,
                     static_cast<int16_t>((valeur - 1) + (etat_.TypeDes - faces::Classiques) * 6));
}

void Partie::JeterDe(int16_t de) {
  jete_ = true;
  etat_.Des[de] = MyRandom(de, static_cast<int16_t>(etat_.NbJets + 1));
  AfficherDe(de);
}

void Partie::InitLanceDes() {
  auto& e = etat_;
  e.NbJets = 0;
  e.SelectionDroite = false;
  e.FigureAnnoncee = AucuneAnnonce;
  affichage_.LegendeFigureRealisee(TexteFigure::Aucun);
  for (int16_t i = 1; i <= NbDes; ++i) affichage_.ImageDe(i, ImageDeFond);
  e.DesGardes.fill(true);
  affichage_.LegendeOkDe("OK");
}

// One press of the throw button, as the list of the rules it applies in turn.
void Partie::PresserOk() {
  auto& e = etat_;
  // A finished game, or none yet, has no throw button to press.
  if (e.NumeroTour == 0 || e.PartieTerminee) return;
  e.SelectionDroite = false;
  if (RefuserJetInutile()) return;
  if (e.NbJets == NbJetsMax) {
    PassageTroisZero();
    return;
  }
  if (RefuserJetSansDeLache()) return;

  if (e.NbJets == 0) {
    JeterPremierJet();
  } else {
    RelancerDesLaches();
  }
  ++e.NbJets;
  CacherColonnesFermeesParLeJet();
  RendreSelectionnablesCasesLibres();
  CalculScoresPotentiels();
  DessineCases();
  affichage_.LegendeOkDe(std::to_string(e.NbJets));
}

bool Partie::AnnonceEnCours() const { return etat_.FigureAnnoncee != AucuneAnnonce; }

// The dice can be kept or released only between throws.
bool Partie::DesAuChoix() const {
  return etat_.NbJets == PremierJet || etat_.NbJets == DeuxiemeJet;
}

// A throw that no square could use, when no figure is announced: after the first throw only
// Sèche or an announcement can still serve; after the second, nothing once Libre, Descente and
// Montée are complete.
bool Partie::RefuserJetInutile() {
  const auto& e = etat_;
  if (AnnonceEnCours()) return false;
  auto fermees = [&](std::initializer_list<int16_t> colonnes) {
    for (int16_t c : colonnes)
      if (!e.ColonneFermee[c]) return false;
    return true;
  };
  using namespace colonne;
  const bool inutile = (e.NbJets == PremierJet && fermees({Libre, Descente, Montee, Deux})) ||
                       (e.NbJets == DeuxiemeJet && fermees({Libre, Descente, Montee}));
  if (inutile) affichage_.InfoDeroulement(Message::MsgChoisirCase);
  return inutile;
}

// Every die kept between throws: the throw would change nothing, so the player is told what
// to do instead. An announced figure lets the throws go on all the same.
bool Partie::RefuserJetSansDeLache() {
  const auto& e = etat_;
  if (AnnonceEnCours() || !DesAuChoix()) return false;
  for (bool garde : e.DesGardes)
    if (!garde) return false;
  affichage_.InfoDeroulement(e.NbJets == PremierJet ? Message::MsgBoutonsSouris
                                                    : Message::MsgChoisirOuJeter);
  return true;
}

// The first throw throws all five dice, although all are marked kept, and opens the squares of
// the turn.
void Partie::JeterPremierJet() {
  affichage_.InfoDeroulement(Message::MsgBoutonsSouris);
  for (int16_t i = 1; i <= NbDes; ++i) JeterDe(i);
  RendreVisibleCasesSelectionnables();
}

// The second and third throws throw the released dice only; after them every die is kept.
void Partie::RelancerDesLaches() {
  auto& e = etat_;
  if (e.NbJets == PremierJet) affichage_.InfoDeroulement(Message::MsgChoisirOuJeter);
  for (int16_t i = 1; i <= NbDes; ++i)
    if (!e.DesGardes[i]) JeterDe(i);
  e.DesGardes.fill(true);
  if (e.NbJets == DeuxiemeJet) affichage_.InfoDeroulement(Message::MsgChoisirCase);
}

// Sèche allows one throw, Annonce one unless a figure is announced, Deux two: the throw just
// made hides the free squares of the columns it closes.
void Partie::CacherColonnesFermeesParLeJet() {
  if (etat_.NbJets == DeuxiemeJet) {
    CacherCasesLibres(colonne::Seche);
    if (!AnnonceEnCours()) CacherCasesLibres(colonne::Annonce);
  }
  if (etat_.NbJets == NbJetsMax) CacherCasesLibres(colonne::Deux);
}

// After a throw every free square in play may be written; the hidden ones take no click.
void Partie::RendreSelectionnablesCasesLibres() {
  auto& e = etat_;
  for (int16_t c = 1; c <= e.NbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (!e.Cases(c, f).Prise) e.Cases(c, f).Selectionnable = true;
}

// Keeps and shows the dice showing `valeur`, releases the others.
void Partie::GarderDesDeValeur(int16_t valeur) {
  auto& e = etat_;
  for (int16_t i = 1; i <= NbDes; ++i) {
    e.DesGardes[i] = e.Des[i] == valeur;
    if (e.DesGardes[i]) {
      AfficherDe(i);
    } else {
      affichage_.ImageDe(i, ImageDeFond);
    }
  }
}

void Partie::ImageDe_MouseDown(int16_t de, int16_t boutonSouris) {
  auto& e = etat_;
  if (!DesAuChoix()) return;
  if (de < 1 || de > NbDes) return;
  if (boutonSouris == bouton::Gauche) {
    if (e.DesGardes[de]) {
      e.DesGardes[de] = false;
      affichage_.ImageDe(de, ImageDeFond);
    } else {
      e.DesGardes[de] = true;
      AfficherDe(de);
      e.SelectionDroite = false;
    }
  } else if (boutonSouris == bouton::Droit) {
    if (e.SelectionDroite) {
      e.SelectionDroite = false;
      for (int16_t i = 1; i <= NbDes; ++i) {
        e.DesGardes[i] = true;
        AfficherDe(i);
      }
    } else {
      GarderDesDeValeur(e.Des[de]);
      e.SelectionDroite = true;
    }
  }
}

void Partie::PanelDe_Click(int16_t de) {
  auto& e = etat_;
  if (!DesAuChoix()) return;
  if (de < 1 || de > NbDes || e.DesGardes[de]) return;
  e.DesGardes[de] = true;
  AfficherDe(de);
  e.SelectionDroite = false;
}

void Partie::ChoisirFaces(int16_t typeDes) {
  auto& e = etat_;
  if (typeDes != faces::Classiques && typeDes != faces::Numeriques) return;
  e.TypeDes = typeDes;
  // After the third throw the pictures stay as they are until the dice are drawn again.
  if (DesAuChoix())
    for (int16_t i = 1; i <= NbDes; ++i)
      if (e.DesGardes[i]) AfficherDe(i);
}

}  // namespace rolvex
