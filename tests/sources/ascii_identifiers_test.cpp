// Every identifier of the code is spelled in ASCII, so that moc, ctags, clangd and grep read it
// in any locale; texts and comments keep their accents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Trouve = std::pair<int, std::string>;  // the line, the identifier

bool PartieDeMot(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// The identifiers of a C++ text that hold a byte outside ASCII, with their lines. Comments and
// string and character literals (raw ones too) are passed over; a quote inside a number is a
// digit separator (1'000), not the start of a character literal.
std::vector<Trouve> MotsNonAscii(const std::string& t) {
  std::vector<Trouve> trouves;
  int ligne = 1;
  std::size_t i = 0;
  const auto aller = [&](std::size_t fin) {  // to fin (npos: the end), counting the lines
    for (; i < std::min(fin, t.size()); ++i) ligne += t[i] == '\n';
  };
  const auto apres = [&](std::size_t trouve, std::size_t n) {
    return trouve == std::string::npos ? trouve : trouve + n;
  };
  while (i < t.size()) {
    const unsigned char c = t[i];
    std::size_t j = i + 1;
    if (t.compare(i, 2, "//") == 0) {
      aller(t.find('\n', i));
    } else if (t.compare(i, 2, "/*") == 0) {
      aller(apres(t.find("*/", i + 2), 2));
    } else if (c == '"' || c == '\'') {  // ends at the same quote unescaped, or the line's end
      while (j < t.size() && t[j] != c && t[j] != '\n') j += t[j] == '\\' ? 2 : 1;
      aller(j + 1);
    } else if (std::isdigit(c)) {
      while (j < t.size() && (PartieDeMot(t[j]) || t[j] == '.' ||
                              (t[j] == '\'' && j + 1 < t.size() && PartieDeMot(t[j + 1]))))
        ++j;
      aller(j);
    } else if (PartieDeMot(c)) {
      while (j < t.size() && PartieDeMot(t[j])) ++j;
      const std::string mot = t.substr(i, j - i);
      if (j < t.size() && t[j] == '"' &&
          (mot == "R" || mot == "u8R" || mot == "uR" || mot == "UR" || mot == "LR")) {
        const std::size_t parenthese = t.find('(', j);
        const std::string fin = ')' + t.substr(j + 1, parenthese - j - 1) + '"';
        aller(apres(t.find(fin, parenthese), fin.size()));
        continue;
      }
      if (std::ranges::any_of(mot, [](unsigned char o) { return o >= 0x80; }))
        trouves.push_back({ligne, mot});
      aller(j);
    } else {
      aller(j);
    }
  }
  return trouves;
}

// The .cpp and .h files of the tree, outside hidden folders and build folders.
std::vector<fs::path> FichiersSource(const fs::path& racine) {
  std::vector<fs::path> fichiers;
  for (auto it = fs::recursive_directory_iterator(racine); it != fs::end(it); ++it) {
    const fs::path& p = it->path();
    if (it->is_directory() &&
        (p.filename().string().starts_with('.') || fs::exists(p / "CMakeCache.txt")))
      it.disable_recursion_pending();
    else if (p.extension() == ".cpp" || p.extension() == ".h")
      fichiers.push_back(p);
  }
  return fichiers;
}

// The reader itself on what trips a naive one; the lines count through what it passes over.
TEST(AsciiIdentifiers, OnlyIdentifiersAreFoundNotLiteralsOrComments) {
  const std::string texte = R"texte(// Dés
int Dé = 1'000 + 0x1'F; char c = 'é', d = '\''; auto n = 2'0;
/* é
*/ auto s = R"x(")é" )x", u = u8"\"é", v = LR"(é)"; bool PanelDéGardé;
auto TotalDés = "é" "é";)texte";
  const std::vector<Trouve> attendus = {{2, "Dé"}, {4, "PanelDéGardé"}, {5, "TotalDés"}};
  EXPECT_EQ(MotsNonAscii(texte), attendus);
}

TEST(AsciiIdentifiers, EveryCppAndHeaderFileNamesThingsInAscii) {
  const std::vector<fs::path> fichiers = FichiersSource(ROLVEX_SOURCE_DIR);
  ASSERT_FALSE(fichiers.empty());
  for (const fs::path& fichier : fichiers) {
    std::ifstream f(fichier, std::ios::binary);
    std::ostringstream texte;
    texte << f.rdbuf();
    for (const Trouve& t : MotsNonAscii(texte.str()))
      ADD_FAILURE() << fichier.string() << ":" << t.first << ": identifier " << t.second;
  }
}

}  // namespace
