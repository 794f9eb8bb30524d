#include "driver.h"

#include <istream>
#include <ostream>

#include "session/end_of_game.h"
#include "records/file_store.h"
#include "layout_json.h"
#include "playarea/sheet_names.h"
#include "state_json.h"
#include "texts/messages.h"

namespace rolvex::cli {

namespace {

template <typename... Cas>
struct Selon : Cas... {
  using Cas::operator()...;
};
template <typename... Cas>
Selon(Cas...) -> Selon<Cas...>;

HighScores TablesParDefaut() {
  HasardUniforme tirage(GraineTablesParDefaut);
  return HighScoresParDefaut(tirage);
}

}  // namespace

void Pilote::AffichagePilote::DessineCases() {
  AffichageMemoire::DessineCases();
  pilote_.vue_.Dessiner(pilote_.partie_.Etat(), pilote_.aire_);
}

void Pilote::AffichagePilote::PreparerNouvellePartie() {
  AffichageMemoire::PreparerNouvellePartie();
  pilote_.aire_.DispositionMode(pilote_.partie_.Etat().NbColonnes, LargeurEcranReference);
  pilote_.vue_.scoresMontres = false;
  pilote_.vue_.place = 0;
}

void Pilote::AffichagePilote::AppelFinPartie() {
  AffichageMemoire::AppelFinPartie();
  pilote_.FinirPartie();
}

// As the main window once it has loaded: the empty sheet, and how to start.
Pilote::Pilote() : scores_(TablesParDefaut()) { affichage_.InfoDeroulement(Message::MsgPourJouer); }

nlohmann::ordered_json Pilote::EtatJson() const {
  return EtatEnJson(partie_.Etat(), affichage_, vue_, scores_, langue_);
}

Reponse Pilote::Executer(std::string_view ligne) {
  return std::visit(
      Selon{
          [](const LigneVide&) { return Reponse{}; },
          [](const Refus& r) { return Reponse{.refus = r.raison}; },
          [this](const Commande& c) {
            if (EstCommandeDeJeu(c) && !partieCommencee_)
              return Reponse{.refus = "no game yet: start one with 'new' first"};
            if (std::holds_alternative<ChargerDossier>(c) && partieCommencee_)
              return Reponse{.refus =
                                 "data comes before the first game: the window loads its "
                                 "files once, at start-up"};
            return Reponse{.sortie = Appliquer(c)};
          },
      },
      LireLigne(ligne));
}

void Pilote::InfoInterface(const AideSurvol& aide) {
  if (aide) affichage_.InfoInterface(*aide);
}

void Pilote::ChargerOptions(const std::filesystem::path& dossier) {
  HasardUniforme tirage(GraineTablesParDefaut);
  const ChargementDossier ch = rolvex::ChargerOptions(dossier, tirage);
  dossier_ = dossier;
  const DonneesOptions& d = ch.chargement.donnees;
  partie_.ChoisirMode(d.ModeJeu);
  partie_.ChoisirFaces(d.TypeDes);
  nomJoueur_ = d.NomJoueur;
  scores_ = d.Scores;
  vue_.optionMode = d.ModeJeu;
  vue_.texteNom = d.NomJoueur;
  if (ch.echec) vue_.messages.push_back(MessageEchecFichier(*ch.echec, langue_));
}

// Without a folder the driver keeps everything in memory.
void Pilote::SauverOptions() {
  if (!dossier_) return;
  const EtatPartie& e = partie_.Etat();
  const DonneesOptions donnees{e.ModeJeu, e.TypeDes, nomJoueur_, scores_};
  const ResultatSauvegarde r = rolvex::SauverOptions(*dossier_, donnees);
  if (r.echec) vue_.messages.push_back(MessageEchecFichier(*r.echec, langue_));
}

void Pilote::PanelOkParams_Click(const std::string& nom) {
  vue_.texteNom = nom;
  if (nom.empty()) {
    vue_.messages.emplace_back(MsgNomVide(langue_));
    return;
  }
  partie_.ChoisirMode(vue_.optionMode);
  nomJoueur_ = nom;
  SauverOptions();
  partie_.AppelNouveau();
  partieCommencee_ = true;
}

// The engine has written the last square; the clock still holds the game's time.
void Pilote::FinirPartie() {
  const EtatPartie& e = partie_.Etat();
  const FinDePartie fin =
      AppelFinPartie(scores_, e.ModeJeu,
                     {nomJoueur_, e.ScoreTotal, e.SecondesPartie, e.NbFiguresRealisees}, langue_);
  vue_.place = fin.place;
  if (fin.afficherScores) {
    vue_.scoresMontres = true;
    vue_.tableMontree = scores_[e.ModeJeu];
  }
  if (fin.sauver) SauverOptions();
  if (fin.message) vue_.messages.push_back(*fin.message);
  affichage_.InfoInterface(fin.info);
}

// Each command reaches the game the way the window would deliver it.
std::optional<std::string> Pilote::Appliquer(const Commande& commande) {
  return std::visit(
      Selon{
          [this](const ChoixLangue& c) -> std::optional<std::string> {
            langue_ = c.langue;
            return std::nullopt;
          },
          [this](const FixerGraine& c) -> std::optional<std::string> {
            de_.FixerGraine(c.graine);
            return std::nullopt;
          },
          [this](const NouvellePartie& c) -> std::optional<std::string> {
            partie_.ChoisirMode(c.modeJeu);
            partie_.AppelNouveau();
            partieCommencee_ = true;
            return std::nullopt;
          },
          [this](const MettreDesEnFile& c) -> std::optional<std::string> {
            for (int16_t face : c.faces) file_.Ajouter(face);
            return std::nullopt;
          },
          [this](const PresserOk&) -> std::optional<std::string> {
            // A hidden button gets no press.
            if (affichage_.okDeVisible) partie_.AppelOkDeClique();
            return std::nullopt;
          },
          [this](const BoutonSurDe& c) -> std::optional<std::string> {
            partie_.ImageDe_MouseDown(c.de, c.bouton);
            return std::nullopt;
          },
          [this](const CliquerPlaceDe& c) -> std::optional<std::string> {
            partie_.PanelDe_Click(c.de);
            return std::nullopt;
          },
          [this](const CliquerCase& c) -> std::optional<std::string> {
            // A hidden square gets no click.
            if (partie_.Etat().Cases(c.colonne, c.figure).Visible)
              partie_.AppelCliqueCase(c.colonne, c.figure);
            return std::nullopt;
          },
          [this](const ChoisirFaces& c) -> std::optional<std::string> {
            partie_.ChoisirFaces(c.typeDes);
            return std::nullopt;
          },
          [this](const Tics& c) -> std::optional<std::string> {
            for (int32_t i = 0; i < c.nombre; ++i) partie_.TimerChrono_Timer();
            return std::nullopt;
          },
          [this](const AfficherEtat&) -> std::optional<std::string> {
            std::string ligne = LigneJson(EtatJson());
            vue_.messages.clear();
            return ligne;
          },
          [this](const SurvolerCase& c) -> std::optional<std::string> {
            if (FeuilleMontree() && vue_.cases[c.colonne][c.figure].aspect != Aspect::Cachee)
              InfoInterface(AppelMoveCase(partie_.Etat(), c.colonne, c.figure, langue_));
            return std::nullopt;
          },
          [this](const SurvolerBonus& c) -> std::optional<std::string> {
            const LigneTotal ligne =
                c.ou == bonus::Haut ? LigneTotal::BonusHaut : LigneTotal::BonusBas;
            const bool montre = aire_[NomTotal(ligne, c.colonne)].montre.value_or(true);
            if (FeuilleMontree() && montre)
              InfoInterface(AppelMoveBonus(partie_.Etat(), c.ou, c.colonne, langue_));
            return std::nullopt;
          },
          [this](const SurvolerPanel& c) -> std::optional<std::string> {
            // The dice area is on screen from the first game on.
            if (partieCommencee_) affichage_.InfoInterface(AppelMovePanel(c.panel, langue_));
            return std::nullopt;
          },
          [this](const SurvolerPanelScore& c) -> std::optional<std::string> {
            if (vue_.scoresMontres)
              affichage_.InfoInterface(AppelMovePanelScore(c.panel, c.rang, langue_));
            return std::nullopt;
          },
          [this](const SurvolerAire&) -> std::optional<std::string> {
            if (FeuilleMontree()) InfoInterface(PictureAireJeu_MouseMove(partie_.Etat()));
            return std::nullopt;
          },
          [](const Disposer& c) -> std::optional<std::string> {
            return LigneJson(DispositionEnJson(c.largeur, c.hauteur, c.nbColonnes));
          },
          [this](const ChargerDossier& c) -> std::optional<std::string> {
            ChargerOptions(c.dossier);
            return std::nullopt;
          },
          [this](const ValiderNom& c) -> std::optional<std::string> {
            PanelOkParams_Click(c.nom);
            return std::nullopt;
          },
          [this](const ChoisirOptionMode& c) -> std::optional<std::string> {
            vue_.optionMode = c.modeJeu;
            return std::nullopt;
          },
      },
      commande);
}

int JouerScript(std::istream& script, std::ostream& sortie, std::ostream& erreurs) {
  Pilote pilote;
  bool refusee = false;
  std::string ligne;
  for (long numero = 1; std::getline(script, ligne); ++numero) {
    const Reponse r = pilote.Executer(ligne);
    if (r.sortie) sortie << *r.sortie << '\n' << std::flush;
    if (r.refus) {
      erreurs << "line " << numero << ": " << *r.refus << '\n';
      refusee = true;
    }
  }
  return refusee ? 1 : 0;
}

}  // namespace rolvex::cli
