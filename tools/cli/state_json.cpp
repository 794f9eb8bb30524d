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
  return Json{{"taken", k.Prise}, {"visible", k.Visible},          {"selectable", k.Selectionnable},
              {"score", k.Score}, {"potential", k.ScorePotentiel}, {"colour", k.CouleurPotentiel}};
}

// The information line holds either a message of the game, worded in the language, or text.
std::string TexteInfo(const AffichageMemoire& a, Langue langue) {
  return a.infoEstMessage ? std::string(Texte(a.message, langue)) : a.info;
}

std::string_view NomAspect(Aspect aspect) {
  switch (aspect) {
    case Aspect::Cachee: return "hidden";
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
    {"PanelScoreNbFigures", [](const HighScoreEntry& e, int) { return std::to_string(e.figures); }},
}};

Json EntreeEnJson(const HighScoreEntry& e) {
  return Json{{"name", e.name}, {"score", e.score}, {"time", e.time}, {"figures", e.figures}};
}

}  // namespace

Json Legendes(const EtatPartie& e, const AffichageMemoire& a, const VueFenetre& v, Langue langue) {
  Json l = Json::object();
  for (const Legende& legende : InitTextesLangue(langue).legendes)
    l[legende.controle] =
        legende.controle == "TextName" && v.texteNom ? *v.texteNom : legende.texte;
  l["FormParams"] = "OPTIONS";
  l["PanelOkParams"] = "OK";

  for (int16_t c : OrdreEcran)
    for (LigneTotal ligne : LignesTotaux) l[NomTotal(ligne, c)] = LegendeLigneTotal(e, ligne, c);

  l["PanelScoreTotal"] = a.legendeScoreTotal;
  l["PanelTotalDés"] = a.legendeTotalDes;
  l["PanelFigureRéalisée"] = Texte(a.figureRealisee, langue);
  l["PanelOkDé"] = a.legendeOkDe;
  l["PanelInfoDéroulement"] = TexteInfo(a, langue);
  // Written by each new game; empty on the window as designed.
  l["PanelModeColonnes"] = e.NbColonnes != 0 ? LegendeModeColonnes(e.NbColonnes, langue) : "";

  for (int place = 1; place <= NbPlaces; ++place)
    for (const ColonneScores& colonne : ColonnesScores)
      l[NomElement(colonne.famille, place)] =
          v.tableMontree ? colonne.texte((*v.tableMontree)[place], place) : "";
  return l;
}

Json EtatEnJson(const EtatPartie& e, const AffichageMemoire& a, const VueFenetre& v,
                const HighScores& scores, Langue langue) {
  Json j = EtatEnJson(e, a, langue);
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const CaseALEcran& k = v.cases[c][f];
      Json& objet = j["sheet"][static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(f - 1)];
      objet["caption"] = k.legende;
      objet["look"] = NomAspect(k.aspect);
      objet["pointer"] = k.pointeur;
    }
  j["captions"] = Legendes(e, a, v, langue);
  Json table = Json::array();
  for (const HighScoreEntry& entree : scores[e.ModeJeu]) table.push_back(EntreeEnJson(entree));
  j["highScores"] = std::move(table);
  j["place"] = v.place;
  j["messages"] = v.messages;
  j["scoresShown"] = v.scoresMontres;
  return j;
}

Json EtatEnJson(const EtatPartie& e, const AffichageMemoire& a, Langue langue) {
  Json j;
  j["mode"] = e.ModeJeu;
  j["columns"] = e.NbColonnes;
  j["turn"] = e.NumeroTour;
  j["throws"] = e.NbJets;
  j["announced"] = e.FigureAnnoncee;
  j["over"] = e.PartieTerminee;

  j["dice"] = EnListe(e.Des);
  j["kept"] = EnListe(e.DesGardes);
  j["shown"] = EnListe(a.imagesDes);
  j["facesType"] = e.TypeDes;

  j["ok"] = a.legendeOkDe;
  j["okVisible"] = a.okDeVisible;
  j["figure"] = Texte(a.figureRealisee, langue);
  j["diceTotal"] = a.legendeTotalDes;
  j["scoreTotal"] = a.legendeScoreTotal;
  j["info"] = TexteInfo(a, langue);

  j["total"] = e.ScoreTotal;
  j["figuresMade"] = e.NbFiguresRealisees;
  j["seconds"] = e.SecondesPartie;
  j["nextDown"] = e.ProchaineDescente;
  j["nextUp"] = e.ProchaineMontee;
  j["closed"] = EnListe(e.ColonneFermee);
  j["columnFigures"] = EnListe(e.NbFiguresColonne);

  Json feuille = Json::array();
  Json totaux = Json::array();
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Json colonne = Json::array();
    for (int16_t f = 1; f <= NbFigures; ++f) colonne.push_back(CaseEnJson(e.Cases(c, f)));
    feuille.push_back(std::move(colonne));
    totaux.push_back(Json{{"upper", e.TotalHaut[c]},
                          {"upperBonus", e.BonusHaut[c]},
                          {"lower", e.TotalBas[c]},
                          {"lowerBonus", e.BonusBas[c]}});
  }
  j["sheet"] = std::move(feuille);
  j["totals"] = std::move(totaux);
  return j;
}

std::string LigneJson(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace rolvex::cli
