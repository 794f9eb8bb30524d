#include "table.h"

#include <gtest/gtest.h>

namespace rolvex::essai {

Des5 D(std::string_view faces) {
  EXPECT_EQ(faces.size(), std::size_t{NbDes}) << faces;
  Des5 d;
  for (int i = 1; i <= NbDes; ++i)
    d[i] = static_cast<int16_t>(faces.at(static_cast<std::size_t>(i - 1)) - '0');
  return d;
}

std::string EnTexte(const Des5& des) {
  std::string s;
  for (int16_t d : des) s += d == DeSansValeur ? '?' : static_cast<char>('0' + d);
  return s;
}

Table::Table(int16_t mode, std::uint64_t graine) : hasard(graine) { Nouvelle(mode); }

void Table::Nouvelle(int16_t mode) {
  partie.ChoisirMode(mode);
  partie.AppelNouveau();
}

void Table::Prevoir(std::string_view faces) {
  for (char c : faces) des.Ajouter(static_cast<int16_t>(c - '0'));
}

void Table::Ok(std::string_view faces) {
  Prevoir(faces);
  const int16_t jets = e().NbJets;
  partie.AppelOkDeClique();
  EXPECT_EQ(des.NbEnAttente(), 0u) << "the throw did not take the dice " << faces;
  EXPECT_EQ(e().NbJets, jets + 1) << "no throw was made";
}

void Table::OkSansJet() {
  const Des5 avant = e().Des;
  partie.AppelOkDeClique();
  EXPECT_EQ(e().Des, avant);
}

void Table::Relancer(std::string_view laches, std::string_view faces) {
  for (char c : laches) Gauche(c - '0');
  Ok(faces);
}

void Table::Ecrire(int c, int f, std::string_view faces) {
  const int avant = NbPrises();
  Ok(faces);
  ASSERT_TRUE(Case(c, f).Visible) << "square " << c << "," << f << " is hidden";
  Clic(c, f);
  ASSERT_EQ(NbPrises(), avant + 1) << "square " << c << "," << f << " was not written";
}

void Table::Annoncer(int f, std::string_view faces) {
  const int avant = NbPrises();
  Ok(faces);
  Clic(colonne::Annonce, f);
  ASSERT_EQ(e().FigureAnnoncee, f);
  Ok("");
  Ok("");
  partie.AppelOkDeClique();
  ASSERT_EQ(NbPrises(), avant + 1);
  ASSERT_TRUE(Case(colonne::Annonce, f).Prise);
}

void Table::Remplir(int c, std::string_view faces) {
  if (c == colonne::Descente) {
    for (int f = e().ProchaineDescente; f <= NbFigures; ++f)
      if (!Case(c, f).Prise) Ecrire(c, f, faces);
  } else if (c == colonne::Montee) {
    for (int f = e().ProchaineMontee; f >= 1; --f)
      if (!Case(c, f).Prise) Ecrire(c, f, faces);
  } else {
    for (int f = 1; f <= NbFigures; ++f) {
      if (Case(c, f).Prise) continue;
      if (c == colonne::Annonce) {
        Annoncer(f, faces);
      } else {
        Ecrire(c, f, faces);
      }
    }
  }
}

int Table::NbPrises() const {
  int n = 0;
  for (int c = 1; c <= NbColonnesMax; ++c)
    for (int f = 1; f <= NbFigures; ++f) n += Case(c, f).Prise ? 1 : 0;
  return n;
}

}  // namespace rolvex::essai
