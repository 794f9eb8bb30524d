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

std::string_view NomAspect(Aspect aspect) {
  switch (aspect) {
    case Aspect::Cachee: return "hidden";
    case Aspect::Libre: return "free";
    case Aspect::Prise: return "taken";
  }
  return {};
}

Json EntreeEnJson(const HighScoreEntry& e) {
  return Json{{"name", e.name}, {"score", e.score}, {"time", e.time}, {"figures", e.figures}};
}

// The text of every control of the main window and of the name dialog that shows one, except
// the 78 squares, by control name.
Json Legendes(const Session& s, const VueFenetre& v) {
  const EcranSession& ecran = s.Ecran();
  Json l = Json::object();
  for (const Legende& legende : InitTextesLangue(s.langue()).legendes)
    l[legende.controle] =
        legende.controle == "TextName" && v.texteNom ? *v.texteNom : legende.texte;
  l["FormParams"] = "OPTIONS";
  l["PanelOkParams"] = "OK";

  for (int16_t c : OrdreEcran)
    for (std::size_t i = 0; i < LignesTotaux.size(); ++i)
      l[NomTotal(LignesTotaux[i], c)] = ecran.totaux[c][i];

  l["PanelScoreTotal"] = ecran.legendeScoreTotal;
  l["PanelTotalDés"] = ecran.legendeTotalDes;
  l["PanelFigureRéalisée"] = s.TexteFigure();
  l["PanelOkDé"] = ecran.legendeOkDe;
  l["PanelInfoDéroulement"] = s.TexteInfo();
  // Written by each new game; empty on the window as designed.
  l["PanelModeColonnes"] = s.LegendeModeColonnes();

  for (int16_t place = 1; place <= NbPlaces; ++place)
    for (Famille colonne : FamillesScores)
      l[Nom(CleElement{colonne, place})] =
          ecran.tableScores ? LegendeCelluleScore(colonne, place, (*ecran.tableScores)[place]) : "";
  return l;
}

}  // namespace

Json EtatEnJson(const Session& s, const VueFenetre& v) {
  const EtatPartie& e = s.Etat();
  const EcranSession& ecran = s.Ecran();
  Json j;
  j["mode"] = e.ModeJeu;
  j["columns"] = e.NbColonnes;
  j["turn"] = e.NumeroTour;
  j["throws"] = e.NbJets;
  j["announced"] = e.FigureAnnoncee;
  j["over"] = e.PartieTerminee;

  j["dice"] = EnListe(e.Des);
  j["kept"] = EnListe(e.DesGardes);
  j["shown"] = EnListe(ecran.imagesDes);
  j["facesType"] = e.TypeDes;

  j["ok"] = ecran.legendeOkDe;
  j["okVisible"] = ecran.okDeVisible;
  j["figure"] = s.TexteFigure();
  j["diceTotal"] = ecran.legendeTotalDes;
  j["scoreTotal"] = ecran.legendeScoreTotal;
  j["info"] = s.TexteInfo();

  j["total"] = e.ScoreTotal;
  j["figuresMade"] = e.NbFiguresRealisees;
  j["seconds"] = s.Horloge().SecondesPartie();
  j["nextDown"] = e.ProchaineDescente;
  j["nextUp"] = e.ProchaineMontee;
  j["closed"] = EnListe(e.ColonneFermee);
  j["columnFigures"] = EnListe(e.NbFiguresColonne);

  Json feuille = Json::array();
  Json totaux = Json::array();
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Json colonne = Json::array();
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Json k = CaseEnJson(e.Cases(c, f));
      const CaseALEcran& montree = ecran.cases[c][f];
      k["caption"] = montree.legende;
      k["look"] = NomAspect(montree.aspect);
      k["pointer"] = montree.pointeur;
      colonne.push_back(std::move(k));
    }
    feuille.push_back(std::move(colonne));
    totaux.push_back(Json{{"upper", e.TotalHaut[c]},
                          {"upperBonus", e.BonusHaut[c]},
                          {"lower", e.TotalBas[c]},
                          {"lowerBonus", e.BonusBas[c]}});
  }
  j["sheet"] = std::move(feuille);
  j["totals"] = std::move(totaux);

  j["captions"] = Legendes(s, v);
  Json table = Json::array();
  for (const HighScoreEntry& entree : s.Scores()[e.ModeJeu]) table.push_back(EntreeEnJson(entree));
  j["highScores"] = std::move(table);
  j["place"] = ecran.placeEnRouge;
  j["messages"] = v.messages;
  j["scoresShown"] = ecran.scoresMontres;
  j["resumed"] = s.PartieReprise();
  j["canUndo"] = s.PeutAnnuler();
  return j;
}

std::string LigneJson(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace rolvex::cli
