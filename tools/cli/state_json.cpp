#include "state_json.h"

#include <array>
#include <string_view>

#include "playarea/sheet_names.h"
#include "texts/messages.h"

namespace rolvex::cli {

namespace {

using Json = nlohmann::ordered_json;

template <typename T, int Premier, int Dernier>
Json EnListe(const Tableau<T, Premier, Dernier>& valeurs) {
  Json liste = Json::array();
  for (const T& v : valeurs) liste.push_back(v);
  return liste;
}

// The square's own record, without the drawing's bookkeeping.
Json CaseEnJson(const CaseJeu& k) {
  return Json{{"taken", k.Prise},
              {"visible", k.Visible},
              {"selectable", k.Sélectionnable},
              {"score", k.Score},
              {"potential", k.ScorePotentiel},
              {"colour", k.CouleurPotentiel}};
}

// The information line holds either a message of the game, worded in the language, or text.
std::string TexteInfo(const AffichageMémoire& a, Langue langue) {
  return a.infoEstMessage ? std::string(Texte(a.message, langue)) : a.info;
}

std::string_view NomAspect(Aspect aspect) {
  switch (aspect) {
    case Aspect::Cachée: return "hidden";
    case Aspect::Libre: return "free";
    case Aspect::Prise: return "taken";
  }
  return {};
}

// The columns of the high-score panel from left to right, and what each shows of a place.
struct ColonneScores {
  std::string_view famille;
  std::string (*texte)(const HighScoreEntry& e, int place);
};
constexpr std::array<ColonneScores, 5> ColonnesScores = {{
    {"PanelScoreClassement", [](const HighScoreEntry&, int p) { return std::to_string(p); }},
    {"PanelScoreNom", [](const HighScoreEntry& e, int) { return e.name; }},
    {"PanelScoreScore", [](const HighScoreEntry& e, int) { return std::to_string(e.score); }},
    {"PanelScoreTemps", [](const HighScoreEntry& e, int) { return ConvertTempsEnChrono(e.time); }},
    {"PanelScoreNbFigures",
     [](const HighScoreEntry& e, int) { return std::to_string(e.figures); }},
}};

Json EntréeEnJson(const HighScoreEntry& e) {
  return Json{{"name", e.name}, {"score", e.score}, {"time", e.time}, {"figures", e.figures}};
}

}  // namespace

Json Légendes(const ÉtatPartie& é, const AffichageMémoire& a, const VueFenêtre& v,
              Langue langue) {
  Json l = Json::object();
  for (const Légende& légende : InitTextesLangue(langue).légendes)
    l[légende.contrôle] =
        légende.contrôle == "TextName" && v.texteNom ? *v.texteNom : légende.texte;
  l["FormParams"] = "OPTIONS";
  l["PanelOkParams"] = "OK";

  for (int16_t c : OrdreÉcran)
    for (LigneTotal ligne : LignesTotaux) l[NomTotal(ligne, c)] = LégendeLigneTotal(é, ligne, c);

  l["PanelScoreTotal"] = a.légendeScoreTotal;
  l["PanelTotalDés"] = a.légendeTotalDés;
  l["PanelFigureRéalisée"] = Texte(a.figureRéalisée, langue);
  l["PanelOkDé"] = a.légendeOkDé;
  l["PanelInfoDéroulement"] = TexteInfo(a, langue);
  // Written by each new game; empty on the window as designed.
  l["PanelModeColonnes"] = é.NbColonnes != 0 ? LégendeModeColonnes(é.NbColonnes, langue) : "";

  for (int place = 1; place <= NbPlaces; ++place)
    for (const ColonneScores& colonne : ColonnesScores)
      l[NomÉlément(colonne.famille, place)] =
          v.tableMontrée ? colonne.texte((*v.tableMontrée)[place], place) : "";
  return l;
}

Json ÉtatEnJson(const ÉtatPartie& é, const AffichageMémoire& a, const VueFenêtre& v,
                const HighScores& scores, Langue langue) {
  Json j = ÉtatEnJson(é, a, langue);
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const CaseÀLÉcran& k = v.cases[c][f];
      Json& objet = j["sheet"][static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(f - 1)];
      objet["caption"] = k.légende;
      objet["look"] = NomAspect(k.aspect);
      objet["pointer"] = k.pointeur;
    }
  j["captions"] = Légendes(é, a, v, langue);
  Json table = Json::array();
  for (const HighScoreEntry& e : scores[é.ModeJeu]) table.push_back(EntréeEnJson(e));
  j["highScores"] = std::move(table);
  j["place"] = v.place;
  j["messages"] = v.messages;
  j["scoresShown"] = v.scoresMontrés;
  return j;
}

Json ÉtatEnJson(const ÉtatPartie& é, const AffichageMémoire& a, Langue langue) {
  Json j;
  j["mode"] = é.ModeJeu;
  j["columns"] = é.NbColonnes;
  j["turn"] = é.NuméroTour;
  j["throws"] = é.NbJets;
  j["announced"] = é.FigureAnnoncée;
  j["over"] = é.PartieTerminée;

  j["dice"] = EnListe(é.Dés);
  j["kept"] = EnListe(é.DésGardés);
  j["shown"] = EnListe(a.imagesDés);
  j["facesType"] = é.TypeDés;

  j["ok"] = a.légendeOkDé;
  j["okVisible"] = a.okDéVisible;
  j["figure"] = Texte(a.figureRéalisée, langue);
  j["diceTotal"] = a.légendeTotalDés;
  j["scoreTotal"] = a.légendeScoreTotal;
  j["info"] = TexteInfo(a, langue);

  j["total"] = é.ScoreTotal;
  j["figuresMade"] = é.NbFiguresRéalisées;
  j["seconds"] = é.SecondesPartie;
  j["nextDown"] = é.ProchaineDescente;
  j["nextUp"] = é.ProchaineMontée;
  j["closed"] = EnListe(é.ColonneFermée);
  j["columnFigures"] = EnListe(é.NbFiguresColonne);

  Json feuille = Json::array();
  Json totaux = Json::array();
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Json colonne = Json::array();
    for (int16_t f = 1; f <= NbFigures; ++f) colonne.push_back(CaseEnJson(é.Cases(c, f)));
    feuille.push_back(std::move(colonne));
    totaux.push_back(Json{{"upper", é.TotalHaut[c]},
                          {"upperBonus", é.BonusHaut[c]},
                          {"lower", é.TotalBas[c]},
                          {"lowerBonus", é.BonusBas[c]}});
  }
  j["sheet"] = std::move(feuille);
  j["totals"] = std::move(totaux);
  return j;
}

std::string LigneJson(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace rolvex::cli
