#include "dice.h"

#include <chrono>
#include <string>

#include "game.h"

namespace rolvex {

void DeEquitable::NouvellePartie() {
  const auto graine = graine_.value_or(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  std::seed_seq semence{static_cast<std::uint32_t>(graine),
                        static_cast<std::uint32_t>(graine >> 32)};
  generateur_.seed(semence);
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

void Partie::AppelOkDeClique() {
  auto& e = etat_;
  // A finished game, or none yet, has no throw button to press.
  if (e.NumeroTour == 0 || e.PartieTerminee) return;

  e.SelectionDroite = false;
  const bool annonceEnCours = e.FigureAnnoncee != AucuneAnnonce;
  auto fermees = [&](std::initializer_list<int16_t> colonnes) {
    for (int16_t c : colonnes)
      if (!e.ColonneFermee[c]) return false;
    return true;
  };
  if (!annonceEnCours) {
    using namespace colonne;
    // After one throw only Sèche or an announcement can still serve; after two, nothing.
    const bool inutile = (e.NbJets == PremierJet && fermees({Libre, Descente, Montee, Deux})) ||
                         (e.NbJets == DeuxiemeJet && fermees({Libre, Descente, Montee}));
    if (inutile) {
      affichage_.InfoDeroulement(Message::MsgChoisirCase);
      return;
    }
  }

  int nbGardes = 0;
  for (bool garde : e.DesGardes) nbGardes += garde ? 1 : 0;

  if (e.NbJets == NbJetsMax) {
    PassageTroisZero();
    return;
  }
  if (nbGardes == NbDes && (e.NbJets == PremierJet || e.NbJets == DeuxiemeJet) && !annonceEnCours) {
    affichage_.InfoDeroulement(e.NbJets == PremierJet ? Message::MsgBoutonsSouris
                                                      : Message::MsgChoisirOuJeter);
    return;
  }

  const int16_t jetPrecedent = e.NbJets;
  if (jetPrecedent == 0) {
    // The first throw throws all five dice, although all are marked kept.
    affichage_.InfoDeroulement(Message::MsgBoutonsSouris);
    for (int16_t i = 1; i <= NbDes; ++i) JeterDe(i);
    RendreVisibleCasesSelectionnables();
  } else {
    if (jetPrecedent == PremierJet) affichage_.InfoDeroulement(Message::MsgChoisirOuJeter);
    for (int16_t i = 1; i <= NbDes; ++i)
      if (!e.DesGardes[i]) JeterDe(i);
    e.DesGardes.fill(true);
    if (jetPrecedent == DeuxiemeJet) affichage_.InfoDeroulement(Message::MsgChoisirCase);
  }

  // Deux allows two throws; Sèche one, and Annonce one unless a figure was announced.
  if (jetPrecedent == DeuxiemeJet) CacherCasesLibres(colonne::Deux);
  if (jetPrecedent == PremierJet) {
    CacherCasesLibres(colonne::Seche);
    if (!annonceEnCours) CacherCasesLibres(colonne::Annonce);
  }
  for (int16_t c = 1; c <= e.NbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (!e.Cases(c, f).Prise) e.Cases(c, f).Selectionnable = true;

  ++e.NbJets;
  CalculScoresPotentiels();
  DessineCases();
  affichage_.LegendeOkDe(std::to_string(e.NbJets));
}

void Partie::ImageDe_MouseDown(int16_t de, int16_t boutonSouris) {
  auto& e = etat_;
  if (e.NbJets != PremierJet && e.NbJets != DeuxiemeJet) return;
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
      const int16_t valeur = e.Des[de];
      for (int16_t i = 1; i <= NbDes; ++i) {
        e.DesGardes[i] = e.Des[i] == valeur;
        if (e.DesGardes[i]) {
          AfficherDe(i);
        } else {
          affichage_.ImageDe(i, ImageDeFond);
        }
      }
      e.SelectionDroite = true;
    }
  }
}

void Partie::PanelDe_Click(int16_t de) {
  auto& e = etat_;
  if (e.NbJets != PremierJet && e.NbJets != DeuxiemeJet) return;
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
  if (e.NbJets == PremierJet || e.NbJets == DeuxiemeJet)
    for (int16_t i = 1; i <= NbDes; ++i)
      if (e.DesGardes[i]) AfficherDe(i);
}

}  // namespace rolvex
