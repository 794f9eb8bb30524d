// What the coach says: its advice in one sentence, the odds of the announcements, the review
// of a finished game, and its question, menus and windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "advisor/advisor.h"
#include "advisor/review.h"
#include "texts/language_tables.h"

namespace rolvex {

// A choice as a command: "Keep 6 6 6", "Throw all five dice again", "Write Full in Free",
// "Announce Yam" (the column named only when several are in play).
std::string TexteChoix(const conseil::Choix& choix, const Des5& des, int16_t jet,
                       int16_t nbColonnes, Langue langue);

// The information line of a hint: the best choice and the next one with their expectations,
// "Keep 6 6 6: 243.1 expected; write Full in Free: 238.7."
std::string PhraseConseil(const std::vector<conseil::Choix>& choix, const Des5& des, int16_t jet,
                          int16_t nbColonnes, Langue langue);

// The question asked at the first hint of a game.
std::string_view QuestionConseil(Langue langue);

// The information line at the end of a game the coach helped: it enters no table.
std::string_view MsgHorsClassementCoach(Langue langue);

// The odds of each figure (figure, chance 0..1) that can be announced, best first, with the
// two throws left (an upper figure made with three dice or more); and of the announced figure,
// with the dice kept and at best.
std::string PhraseChancesAnnonces(std::vector<std::pair<int16_t, double>> chances, Langue langue);
std::string PhraseChanceAnnoncee(int16_t figure, double avecGardes, double auMieux,
                                 int16_t jetsRestants, Langue langue);

// One costly decision of the review: the turn and throw, the choice made and the coach's, with
// their expectations and the points lost.
std::string TexteErreur(const conseil::Erreur& erreur, int16_t nbColonnes, Langue langue);
// The review when no decision lost a point.
std::string_view MsgRevueSansErreur(Langue langue);
// The information line once the review is open: `nb` decisions that lost `perdus` expected
// points in all, or MsgRevueSansErreur.
std::string MsgRevuePrete(std::size_t nb, double perdus, Langue langue);

// The coach's menu items and the review window.
struct TextesCoach {
  std::string_view menuConseil, menuChances, menuRevue, titreRevue, enteteRevue, fermer, desDuTour;
};
TextesCoach TextesDuCoach(Langue langue);

}  // namespace rolvex
