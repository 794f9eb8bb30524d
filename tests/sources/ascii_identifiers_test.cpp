// Every identifier of the code is spelled in ASCII, so that moc, ctags, clangd and grep read it
// in any locale; texts and comments keep their accents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool PartieDeMot(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// The identifiers of a C++ text that hold a byte outside ASCII, as "line: identifier". Comments
// and string and character literals (raw ones too) are passed over; a quote inside a number is
// a digit separator (1'000), not the start of a character literal.
std::vector<std::string> MotsNonAscii(const std::string& t) {
  const auto apres = [&](std::size_t debut, const std::string& fin) {  // not found: the end
    return std::min(t.find(fin, debut), t.size() - fin.size()) + fin.size();
  };
  std::vector<std::string> trouves;
  for (std::size_t i = 0, j = 1; i < t.size(); i = j++) {
    const unsigned char c = t[i];
    if (t.compare(i, 2, "//") == 0 || t.compare(i, 2, "/*") == 0) {
      j = apres(i + 2, t[i + 1] == '/' ? "\n" : "*/");
    } else if (c == '"' || c == '\'') {  // ends at the same quote unescaped, or the line's end
      while (j < t.size() && t[j] != c && t[j] != '\n') j += t[j] == '\\' ? 2 : 1;
      ++j;
    } else if (PartieDeMot(c)) {
      const bool nombre = std::isdigit(c);
      while (PartieDeMot(t[j]) || (nombre && t[j] == '\'' && PartieDeMot(t[j + 1]))) ++j;
      const std::string mot = t.substr(i, j - i);
      if (t[j] == '"' && std::string(" R u8R uR UR LR ").find(' ' + mot + ' ') != std::string::npos)
        j = apres(t.find('(', j), ')' + t.substr(j + 1, t.find('(', j) - j - 1) + '"');
      else if (!nombre && std::ranges::any_of(mot, [](unsigned char o) { return o >= 0x80; }))
        trouves.push_back(std::to_string(std::count(&t[0], &t[i], '\n') + 1) + ": " + mot);
    }
  }
  return trouves;
}

// The reader itself on what trips a naive one; the lines count through what it passes over.
TEST(AsciiIdentifiers, OnlyIdentifiersAreFoundNotLiteralsOrComments) {
  const std::string texte = R"texte(// Dés
int Dé = 1'000 + 0x1'F; char c = 'é', d = '\''; auto n = 2'0;
/* é
*/ auto s = R"x(")é" )x", u = u8"\"é", v = LR"(é)"; bool PanelDéGardé;
auto TotalDés = "é" "é";)texte";
  EXPECT_EQ(MotsNonAscii(texte),
            (std::vector<std::string>{"2: Dé", "4: PanelDéGardé", "5: TotalDés"}));
}

// Every .cpp and .h file of the tree, outside hidden folders and build folders.
TEST(AsciiIdentifiers, EveryCppAndHeaderFileNamesThingsInAscii) {
  int fichiers = 0;
  for (auto it = fs::recursive_directory_iterator(ROLVEX_SOURCE_DIR); it != fs::end(it); ++it) {
    const fs::path& p = it->path();
    if (it->is_directory() &&
        (p.filename().string().starts_with('.') || fs::exists(p / "CMakeCache.txt")))
      it.disable_recursion_pending();
    if (p.extension() != ".cpp" && p.extension() != ".h") continue;
    std::ifstream f(p, std::ios::binary);
    for (const std::string& mot : MotsNonAscii({std::istreambuf_iterator<char>(f), {}}))
      ADD_FAILURE() << p.string() << ":" << mot;
    ++fichiers;
  }
  EXPECT_GT(fichiers, 0);
}

}  // namespace
