// Where the dice come from, and how a random word becomes a fair face.
#pragma once

#include <cassert>
#include <concepts>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace rolvex {

// The source of the dice, handed to the game so that tests and replays can choose them.
class SourceDes {
 public:
  virtual ~SourceDes() = default;
  // A new game begins: the source starts afresh (the default source takes a new seed).
  virtual void NouvellePartie() = 0;
  // The face of one die thrown: 1..6.
  virtual int16_t Face() = 0;
};

// The face a uniform random word gives, or nothing when the word must be drawn again.
// Words at the top of the range that would make some faces more likely than others are
// refused, so every face comes from exactly as many words as the others.
template <std::unsigned_integral Mot>
constexpr std::optional<int16_t> FaceEquitable(Mot mot) {
  // The words number max + 1, which a 64-bit word cannot hold: count the surplus from max.
  constexpr Mot max = std::numeric_limits<Mot>::max();
  constexpr Mot nbRefuses = static_cast<Mot>((max % 6 + 1) % 6);
  if (mot > max - nbRefuses) return std::nullopt;
  return static_cast<int16_t>(mot % 6 + 1);
}

// The game's own die: a Mersenne twister seeded from std::random_device at every new game, or
// with a fixed seed when one is given (for replays).
class DeEquitable final : public SourceDes {
 public:
  explicit DeEquitable(std::optional<std::uint64_t> graine = std::nullopt) : graine_(graine) {
    NouvellePartie();
  }
  void FixerGraine(std::optional<std::uint64_t> graine) { graine_ = graine; }
  void NouvellePartie() override;
  // The generator's whole state as text, and back, so that a game saved in progress throws on
  // as if it had never stopped. A text that is no such state changes nothing and gives false.
  std::string Etat() const;
  bool Restaurer(std::string_view etat);
  int16_t Face() override;

 private:
  std::optional<std::uint64_t> graine_;
  std::mt19937 generateur_;
};

// Faces chosen in advance, taken one per die thrown in the order the game throws them;
// once they run out, the dice come from `suite`. Tests and replays choose the dice with it.
class DesEnFile final : public SourceDes {
 public:
  explicit DesEnFile(SourceDes& suite) : suite_(suite) {}
  // face: 1..6.
  void Ajouter(int16_t face) {
    assert(face >= 1 && face <= 6);
    file_.push_back(face);
  }
  std::size_t NbEnAttente() const { return file_.size(); }
  void NouvellePartie() override { suite_.NouvellePartie(); }
  int16_t Face() override {
    if (file_.empty()) return suite_.Face();
    const int16_t face = file_.front();
    file_.pop_front();
    return face;
  }

 private:
  SourceDes& suite_;
  std::deque<int16_t> file_;
};

}  // namespace rolvex
