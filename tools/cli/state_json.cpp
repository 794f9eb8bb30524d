#include "state_json.h"

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

}  // namespace

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
