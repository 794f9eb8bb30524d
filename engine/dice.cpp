#include "dice.h"

#include <chrono>
#include <string>

#include "game.h"

namespace rolvex {

void DéÉquitable::NouvellePartie() {
  const auto graine = graine_.value_or(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  std::seed_seq semence{static_cast<std::uint32_t>(graine), static_cast<std::uint32_t>(graine >> 32)};
  générateur_.seed(semence);
}

int16_t DéÉquitable::Face() {
  for (;;) {
    if (auto face = FaceÉquitable(static_cast<std::uint32_t>(générateur_()))) return *face;
  }
}

}  // namespace rolvex

namespace rolvex {

// The die and throw numbers do not influence the draw.
int16_t Partie::MyRandom(int16_t /*dé*/, int16_t /*jet*/) { return source_.Face(); }

void Partie::AfficherDé(int16_t dé) {
  const int16_t valeur = état_.Dés[dé];
  if (valeur == -1) return;
  affichage_.ImageDé(dé, static_cast<int16_t>((valeur - 1) + (état_.TypeDés - 1) * 6));
}

void Partie::JeterDé(int16_t dé) {
  état_.Dés[dé] = MyRandom(dé, static_cast<int16_t>(état_.NbJets + 1));
  AfficherDé(dé);
}

void Partie::InitLancéDés() {
  auto& é = état_;
  é.NbJets = 0;
  é.SélectionDroite = false;
  é.FigureAnnoncée = -1;
  affichage_.LégendeFigureRéalisée(TexteFigure::Aucun);
  for (int16_t i = 1; i <= NbDés; ++i) affichage_.ImageDé(i, ImageDéFond);
  é.DésGardés.fill(true);
  affichage_.LégendeOkDé("OK");
}

void Partie::AppelOkDéClique() {
  auto& é = état_;
  // A finished game, or none yet, has no throw button to press.
  if (é.NuméroTour == 0 || é.PartieTerminée) return;

  é.SélectionDroite = false;
  const bool annonceEnCours = é.FigureAnnoncée != -1;
  auto fermées = [&](std::initializer_list<int16_t> colonnes) {
    for (int16_t c : colonnes)
      if (!é.ColonneFermée[c]) return false;
    return true;
  };
  if (!annonceEnCours) {
    using namespace colonne;
    // After one throw only Sèche or an announcement can still serve; after two, nothing.
    const bool inutile = (é.NbJets == 1 && fermées({Libre, Descente, Montée, Deux})) ||
                         (é.NbJets == 2 && fermées({Libre, Descente, Montée}));
    if (inutile) {
      affichage_.InfoDéroulement(Message::MsgChoisirCase);
      return;
    }
  }

  int nbGardés = 0;
  for (bool gardé : é.DésGardés) nbGardés += gardé ? 1 : 0;

  if (é.NbJets == NbJetsMax) {
    PassageTroisZéro();
    return;
  }
  if (nbGardés == NbDés && (é.NbJets == 1 || é.NbJets == 2) && !annonceEnCours) {
    affichage_.InfoDéroulement(é.NbJets == 1 ? Message::MsgBoutonsSouris
                                             : Message::MsgChoisirOuJeter);
    return;
  }

  const int16_t jetPrécédent = é.NbJets;
  if (jetPrécédent == 0) {
    // The first throw throws all five dice, although all are marked kept.
    affichage_.InfoDéroulement(Message::MsgBoutonsSouris);
    for (int16_t i = 1; i <= NbDés; ++i) JeterDé(i);
    RendreVisibleCasesSélectionnables();
  } else {
    if (jetPrécédent == 1) affichage_.InfoDéroulement(Message::MsgChoisirOuJeter);
    for (int16_t i = 1; i <= NbDés; ++i)
      if (!é.DésGardés[i]) JeterDé(i);
    é.DésGardés.fill(true);
    if (jetPrécédent == 2) affichage_.InfoDéroulement(Message::MsgChoisirCase);
  }

  // Deux allows two throws; Sèche one, and Annonce one unless a figure was announced.
  if (jetPrécédent == 2) CacherCasesLibres(colonne::Deux);
  if (jetPrécédent == 1) {
    CacherCasesLibres(colonne::Sèche);
    if (!annonceEnCours) CacherCasesLibres(colonne::Annonce);
  }
  for (int16_t c = 1; c <= é.NbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (!é.Cases(c, f).Prise) é.Cases(c, f).Sélectionnable = true;

  ++é.NbJets;
  CalculScoresPotentiels();
  DessineCases();
  affichage_.LégendeOkDé(std::to_string(é.NbJets));
}

void Partie::ImageDé_MouseDown(int16_t dé, int16_t bouton) {
  auto& é = état_;
  if (é.NbJets != 1 && é.NbJets != 2) return;
  if (dé < 1 || dé > NbDés) return;
  if (bouton == 1) {
    if (é.DésGardés[dé]) {
      é.DésGardés[dé] = false;
      affichage_.ImageDé(dé, ImageDéFond);
    } else {
      é.DésGardés[dé] = true;
      AfficherDé(dé);
      é.SélectionDroite = false;
    }
  } else if (bouton == 2) {
    if (é.SélectionDroite) {
      é.SélectionDroite = false;
      for (int16_t i = 1; i <= NbDés; ++i) {
        é.DésGardés[i] = true;
        AfficherDé(i);
      }
    } else {
      const int16_t valeur = é.Dés[dé];
      for (int16_t i = 1; i <= NbDés; ++i) {
        é.DésGardés[i] = é.Dés[i] == valeur;
        if (é.DésGardés[i]) {
          AfficherDé(i);
        } else {
          affichage_.ImageDé(i, ImageDéFond);
        }
      }
      é.SélectionDroite = true;
    }
  }
}

void Partie::PanelDé_Click(int16_t dé) {
  auto& é = état_;
  if (é.NbJets != 1 && é.NbJets != 2) return;
  if (dé < 1 || dé > NbDés || é.DésGardés[dé]) return;
  é.DésGardés[dé] = true;
  AfficherDé(dé);
  é.SélectionDroite = false;
}

void Partie::ChoisirFaces(int16_t typeDés) {
  auto& é = état_;
  if (typeDés != 1 && typeDés != 2) return;
  é.TypeDés = typeDés;
  // After the third throw the pictures stay as they are until the dice are drawn again.
  if (é.NbJets == 1 || é.NbJets == 2)
    for (int16_t i = 1; i <= NbDés; ++i)
      if (é.DésGardés[i]) AfficherDé(i);
}

}  // namespace rolvex
