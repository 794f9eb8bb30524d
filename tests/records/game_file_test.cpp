// The game in progress as bytes: every state a game can reach comes back as it was, and bytes
// that are not such a game, by accident or by hand, come back as nothing.
#include "records/game_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/headless_display.h"
#include "random_player.h"

namespace rolvex {
namespace {

std::string EnTexte(const std::vector<std::uint8_t>& octets) {
  return {octets.begin(), octets.end()};
}

std::optional<PartieEnCours> Decoder(const std::string& texte) {
  return DecoderPartie(std::vector<std::uint8_t>(texte.begin(), texte.end()));
}

// The file's own checksum put back after a change made by hand: only the values are judged.
std::string Resigner(std::string texte) {
  texte.erase(texte.rfind('\n', texte.size() - 2) + 1);
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (const char c : texte) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001b3ULL;
  }
  std::ostringstream s;
  s << std::hex << h << '\n';
  return texte + s.str();
}

std::vector<PartieEnCours> PartiesAuHasard() {
  std::vector<PartieEnCours> parties;
  for (int16_t mode = 1; mode <= 3; ++mode) {
    AffichageMemoire ecran;
    DeEquitable de(static_cast<std::uint64_t>(mode));
    Partie partie(ecran, de);
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
    essai::JoueurHasard joueur(static_cast<std::uint64_t>(mode) * 13);
    int32_t secondes = 0;
    joueur.JouerPartie(partie, [&] {
      if (!partie.Etat().PartieTerminee)
        parties.push_back(
            {partie.Etat(), partie.AvantEcriture(), secondes / 60, secondes % 60, de.Etat()});
      secondes += 7;
      return true;
    });
  }
  return parties;
}

TEST(FichierPartie, EveryStateOfRandomGamesComesBackAsItWas) {
  const auto parties = PartiesAuHasard();
  ASSERT_GT(parties.size(), 200u);
  for (const PartieEnCours& p : parties) ASSERT_EQ(DecoderPartie(EncoderPartie(p)), p);
}

// Cut short anywhere, one byte changed anywhere, a value out of its range or values that do not
// go together: nothing comes back.
TEST(FichierPartie, DamagedOrForeignBytesAreRefused) {
  const auto parties = PartiesAuHasard();
  const PartieEnCours& p = parties[parties.size() / 2];
  ASSERT_TRUE(p.avantEcriture.has_value() || p.etat.NbJets > 0);
  const std::string texte = EnTexte(EncoderPartie(p));
  for (std::size_t n = 0; n < texte.size(); ++n) ASSERT_FALSE(Decoder(texte.substr(0, n))) << n;
  for (std::size_t i = 0; i < texte.size(); i += 7) {
    std::string change = texte;
    change[i] = static_cast<char>(change[i] ^ 0x04);
    ASSERT_FALSE(Decoder(change)) << i;
  }
  EXPECT_FALSE(
      Decoder(Resigner(texte.substr(0, texte.find('\n')) + "2" + texte.substr(texte.find('\n')))))
      << "another version";

  // Each value of the game's line, in turn below and above every range.
  const std::size_t debut = texte.find('\n') + 1;
  const std::size_t fin = texte.find('\n', debut);
  std::vector<std::size_t> positions;
  for (std::size_t i = debut; i < fin; i = texte.find(' ', i) + 1) {
    positions.push_back(i);
    if (texte.find(' ', i) > fin) break;
  }
  ASSERT_GT(positions.size(), 6u * 13 * 9);
  for (std::size_t i : positions) {
    const std::size_t longueur = std::min(texte.find(' ', i), fin) - i;
    for (const char* hors : {"-2", "99999999", "x"}) {
      std::string change = texte;
      change.replace(i, longueur, hors);
      ASSERT_FALSE(Decoder(Resigner(change))) << "value at " << i << " set to " << hors;
    }
  }
  // Values just past their range, or each in range but not together in any game, in the game
  // or in the state an undo brings back; a clock or a generator that cannot be.
  const std::function<void(PartieEnCours&)> impossibles[] = {
      [](PartieEnCours& q) { q.etat.PartieTerminee = true; },
      [](PartieEnCours& q) { q.etat.ModeJeu = 0; },
      [](PartieEnCours& q) { q.etat.ModeJeu = 4; },
      [](PartieEnCours& q) { q.etat.TypeDes = 0; },
      [](PartieEnCours& q) { q.etat.TypeDes = 3; },
      [](PartieEnCours& q) { q.etat.NbColonnes = q.etat.NbColonnes == 1 ? 3 : 1; },
      [](PartieEnCours& q) { q.etat.NumeroTour = int16_t(q.etat.NbColonnes * NbFigures + 1); },
      [](PartieEnCours& q) { q.etat.FigureAnnoncee = 0; },
      [](PartieEnCours& q) { q.etat.Des[3] = 0; },
      [](PartieEnCours& q) { q.etat.Des[1] = 7; },
      [](PartieEnCours& q) { q.etat.ProchaineDescente = 0; },
      [](PartieEnCours& q) { q.etat.ProchaineMontee = NbFigures + 1; },
      [](PartieEnCours& q) { q.etat.Des[2] = DeSansValeur, q.etat.NbJets = 1; },
      [](PartieEnCours& q) { q.generateur = "1 2 3"; },
      [](PartieEnCours& q) { q.secondes = 60; },
      [](PartieEnCours& q) { q.minutes = -1; }};
  for (const auto& rendreImpossible : impossibles) {
    for (const bool annulable : {false, true}) {
      PartieEnCours q = p;
      rendreImpossible(q);
      if (annulable) q.avantEcriture = std::exchange(q.etat, p.etat);
      EXPECT_FALSE(DecoderPartie(EncoderPartie(q))) << annulable;
    }
  }
}

}  // namespace
}  // namespace rolvex
