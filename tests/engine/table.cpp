#include "table.h"

#include <gtest/gtest.h>

namespace rolvex::essai {

std::string EnTexte(const Des5& des) {
  std::string s;
  for (int16_t d : des) s += d == DeSansValeur ? '?' : static_cast<char>('0' + d);
  return s;
}

void Ecran::DessineCases() {
  AffichageMemoire::DessineCases();
  for (int c = 1; c <= NbColonnesMax; ++c)
    for (int f = 1; f <= NbFigures; ++f) {
      const CaseJeu& k = partie->Etat().Cases(c, f);
      EXPECT_EQ(k.PriseDessinee, k.Prise && prisesDejaVues_[c][f]) << c << "," << f;
      prisesDejaVues_[c][f] = k.Prise;
    }
}

void Ecran::AppelFinPartie() {
  AffichageMemoire::AppelFinPartie();
  aLaFin = partie->Etat();
  scoreALaFin = legendeScoreTotal;
}

Table::Table(std::uint64_t graine) : des(graine) { ecran.partie = &partie; }

void Table::Ok(std::string_view faces) {
  Prevoir(faces);
  const int16_t jets = e().NbJets;
  partie.AppelOkDeClique();
  EXPECT_EQ(des.file.NbEnAttente(), 0u) << "the throw did not take the dice " << faces;
  EXPECT_EQ(e().NbJets, jets + 1) << "no throw was made";
}

void Table::Ecrire(int c, int f, std::string_view faces) {
  Ok(faces);
  Clic(c, f);
  ASSERT_TRUE(e().Cases(c, f).Prise) << "square " << c << "," << f << " was not written";
}

}  // namespace rolvex::essai
