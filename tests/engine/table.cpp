#include "table.h"

#include <gtest/gtest.h>

namespace rolvex::essai {

Dés5 D(std::string_view faces) {
  EXPECT_EQ(faces.size(), std::size_t{NbDés}) << faces;
  Dés5 d;
  for (int i = 1; i <= NbDés; ++i)
    d[i] = static_cast<int16_t>(faces.at(static_cast<std::size_t>(i - 1)) - '0');
  return d;
}

std::string EnTexte(const Dés5& dés) {
  std::string s;
  for (int16_t d : dés) s += d == -1 ? '?' : static_cast<char>('0' + d);
  return s;
}

Table::Table(int16_t mode, std::uint64_t graine) : hasard(graine) { Nouvelle(mode); }

void Table::Nouvelle(int16_t mode) {
  partie.ChoisirMode(mode);
  partie.AppelNouveau();
}

void Table::Prévoir(std::string_view faces) {
  for (char c : faces) dés.Ajouter(static_cast<int16_t>(c - '0'));
}

void Table::Ok(std::string_view faces) {
  Prévoir(faces);
  const int16_t jets = é().NbJets;
  partie.AppelOkDéClique();
  EXPECT_EQ(dés.NbEnAttente(), 0u) << "the throw did not take the dice " << faces;
  EXPECT_EQ(é().NbJets, jets + 1) << "no throw was made";
}

void Table::OkSansJet() {
  const Dés5 avant = é().Dés;
  partie.AppelOkDéClique();
  EXPECT_EQ(é().Dés, avant);
}

void Table::Relancer(std::string_view lâchés, std::string_view faces) {
  for (char c : lâchés) Gauche(c - '0');
  Ok(faces);
}

void Table::Écrire(int c, int f, std::string_view faces) {
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
  ASSERT_EQ(é().FigureAnnoncée, f);
  Ok("");
  Ok("");
  partie.AppelOkDéClique();
  ASSERT_EQ(NbPrises(), avant + 1);
  ASSERT_TRUE(Case(colonne::Annonce, f).Prise);
}

void Table::Remplir(int c, std::string_view faces) {
  if (c == colonne::Descente) {
    for (int f = é().ProchaineDescente; f <= NbFigures; ++f)
      if (!Case(c, f).Prise) Écrire(c, f, faces);
  } else if (c == colonne::Montée) {
    for (int f = é().ProchaineMontée; f >= 1; --f)
      if (!Case(c, f).Prise) Écrire(c, f, faces);
  } else {
    for (int f = 1; f <= NbFigures; ++f) {
      if (Case(c, f).Prise) continue;
      if (c == colonne::Annonce) {
        Annoncer(f, faces);
      } else {
        Écrire(c, f, faces);
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
