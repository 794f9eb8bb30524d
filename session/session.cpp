#include "session/session.h"

#include "history/csv.h"
#include "history/history_db.h"
#include "records/file_store.h"
#include "records/game_file.h"
#include "texts/coach_texts.h"
#include "texts/history_texts.h"
#include "texts/messages.h"

namespace rolvex {

namespace {

// The tables of a first run; the clock is no source of chance for them.
HasardUniforme TirageTables(std::optional<std::uint64_t> graine) {
  return HasardUniforme(graine.value_or(std::random_device{}()));
}

}  // namespace

Session::Session(VueSession& vue, Langue langue, double largeurEcran, double hauteurEcran,
                 std::optional<std::uint64_t> graineTables)
    : vue_(vue),
      langue_(langue),
      graineTables_(graineTables),
      aire_(largeurEcran, hauteurEcran),
      largeurFenetre_(largeurEcran) {
  HasardUniforme tirage = TirageTables(graineTables_);
  scores_ = HighScoresParDefaut(tirage);
}

std::string Session::TexteInfo() const {
  if (const auto* message = std::get_if<Message>(&ecran_.info))
    return std::string(Texte(*message, langue_));
  return std::get<std::string>(ecran_.info);
}

std::string Session::LegendeModeColonnes() const {
  const int16_t nbColonnes = Etat().NbColonnes;
  return nbColonnes != 0 ? rolvex::LegendeModeColonnes(nbColonnes, langue_) : std::string();
}

void Session::ChargerOptions(const DossiersDonnees& dossiers) {
  const DossierDeLecture lecture = RassemblerFichiersDonnees(dossiers);
  if (lecture.echec) {
    Signaler(*lecture.echec,
             {.quoi = ObjetSauvegarde::Quoi::CopieUtilisateur, .nom = dossiers.ecriture.string()});
  }
  HasardUniforme tirage = TirageTables(graineTables_);
  const ChargementDossier chargement = rolvex::ChargerOptions(lecture.dossier, tirage);
  dossierEcriture_ = dossiers.ecriture;
  const DonneesOptions& d = chargement.chargement.donnees;
  partie_.ChoisirMode(d.ModeJeu);
  partie_.ChoisirFaces(d.TypeDes);
  nomJoueur_ = d.NomJoueur;
  scores_ = d.Scores;
  vue_.OptionsChargees();
  vue_.FacesChoisies(Etat().TypeDes);
  if (chargement.echec) Signaler(*chargement.echec, {.quoi = ObjetSauvegarde::Quoi::TablesDefaut});
  ReprendrePartie();
}

// The game comes back with the clock where it stood and the generator where it was, so that
// the throws to come are those the game would have thrown.
void Session::ReprendrePartie() {
  const LecturePartie lecture = LirePartie(*dossierEcriture_);
  if (lecture.echec) {
    Signaler(*lecture.echec, {.quoi = ObjetSauvegarde::Quoi::PartieEnCours});
    return;
  }
  if (!lecture.octets) return;
  const std::optional<PartieEnCours> partie = DecoderPartie(*lecture.octets);
  if (!partie || !de_.Restaurer(partie->generateur)) {
    const std::optional<std::filesystem::path> aCote = MettreDeCotePartie(*dossierEcriture_);
    vue_.AfficherMessage(MsgPartieIllisible(
        CheminFichierPartie(*dossierEcriture_).string(),
        aCote ? std::optional<std::string>(aCote->string()) : std::nullopt, langue_));
    return;
  }
  partie_.Reprendre(partie->etat, partie->avantEcriture);
  conseilDemande_ = partie->coach;
  chrono_.Reprendre(partie->minutes, partie->secondes);
  partieReprise_ = true;
  InfoInterface(MsgPartieReprise(langue_));
  vue_.Annulable(partie_.PeutAnnuler());
}

void Session::SauverPartie() {
  const EtatPartie& e = Etat();
  if (!dossierEcriture_ || e.NumeroTour == 0 || e.PartieTerminee) return;
  const PartieEnCours partie{
      e,          partie_.AvantEcriture(), chrono_.MinutesChrono(), chrono_.SecondesChrono(),
      de_.Etat(), conseilDemande_};
  const ResultatSauvegarde r =
      rolvex::SauverPartie(*dossierEcriture_, EncoderPartie(partie), EcrireTout, temoin_);
  if (r.echec && !echecPartieSignale_)
    Signaler(*r.echec, {.quoi = ObjetSauvegarde::Quoi::PartieEnCours});
  echecPartieSignale_ = r.echec.has_value();
}

// An absent file is as good as removed; a file that stays is set aside at the next start.
void Session::RetirerPartie() {
  partieReprise_ = false;
  if (dossierEcriture_) rolvex::RetirerPartie(*dossierEcriture_, temoin_);
}

std::optional<std::string> Session::EnregistrerPartie() {
  if (!dossierEcriture_) return std::nullopt;
  const PartieJouee partie =
      ReleverPartie(Etat(), nomJoueur_, chrono_.SecondesPartie(),
                    langue_ == Langue::Francais ? "fr" : "en", conseilDemande_, MaintenantLocal());
  const auto echec = EnregistrerParties(*dossierEcriture_, std::span(&partie, 1), temoin_);
  const bool signale = echecHistoriqueSignale_;
  echecHistoriqueSignale_ = echec.has_value();
  if (!echec || signale) return std::nullopt;
  return MessageEchecHistorique(*echec, langue_);
}

// A game given up before its first throw was not played: the history does not keep it.
void Session::AbandonnerPartie() {
  const EtatPartie& e = Etat();
  if (e.NumeroTour == 0 || e.PartieTerminee || (e.NumeroTour == 1 && e.NbJets == 0)) return;
  if (const auto echec = EnregistrerPartie()) vue_.AfficherMessage(*echec);
}

BilanHistorique Session::StatistiquesHistorique(int16_t mode) const {
  if (!dossierEcriture_) return {CalculerStatistiques({}, mode), std::nullopt};
  const LectureHistorique lecture = LireHistorique(*dossierEcriture_, mode);
  return {CalculerStatistiques(lecture.parties, mode),
          lecture.echec ? std::optional(MessageEchecHistorique(*lecture.echec, langue_))
                        : std::nullopt};
}

std::optional<std::string> Session::ExporterHistorique(const std::filesystem::path& fichier) const {
  LectureHistorique lecture;
  if (dossierEcriture_) lecture = LireHistorique(*dossierEcriture_);
  if (lecture.echec) return MessageEchecHistorique(*lecture.echec, langue_);
  if (const std::error_code e = EcrireCsv(fichier, lecture.parties))
    return MessageEchecExport(fichier, e, langue_);
  return std::nullopt;
}

void Session::SauverOptions(const ObjetSauvegarde& objet) {
  if (!dossierEcriture_) return;
  const EtatPartie& e = Etat();
  const DonneesOptions donnees{e.ModeJeu, e.TypeDes, nomJoueur_, scores_};
  // A game's place in the tables and the end of its file are one replacement.
  const ResultatSauvegarde resultat =
      objet.quoi == ObjetSauvegarde::Quoi::Score
          ? SauverOptionsFinPartie(*dossierEcriture_, donnees, EcrireTout, temoin_)
          : rolvex::SauverOptions(*dossierEcriture_, donnees, EcrireTout, temoin_);
  if (resultat.echec) Signaler(*resultat.echec, objet);
}

void Session::Signaler(const EchecFichier& echec, const ObjetSauvegarde& objet) {
  vue_.AfficherMessage(MessageEchecSauvegarde(echec, objet, langue_));
}

// A name made of blanks is a name: only the empty box is refused.
void Session::PanelOkParams_Click(std::string_view nom, int16_t modeJeu) {
  if (nom.empty()) {
    vue_.AfficherMessage(MsgNomVide(langue_));
    return;
  }
  vue_.FermerDialogueNom();
  // The game given up is kept under the name and in the mode it was played with.
  AbandonnerPartie();
  partie_.ChoisirMode(modeJeu);
  nomJoueur_ = nom;
  SauverOptions({.quoi = ObjetSauvegarde::Quoi::Nom, .nom = nomJoueur_});
  NouvellePartie();
}

void Session::AppelNouveau() {
  AbandonnerPartie();
  NouvellePartie();
}

void Session::NouvellePartie() {
  partie_.AppelNouveau();
  RetirerPartie();
  vue_.Annulable(false);
}

// A hidden button gets no press.
void Session::PanelOkDe_Click() {
  Jouer([this] {
    if (ecran_.okDeVisible) partie_.AppelOkDeClique();
  });
}

void Session::ImageDe_MouseDown(int16_t de, int16_t bouton) {
  Jouer([=, this] { partie_.ImageDe_MouseDown(de, bouton); });
}

void Session::PanelDe_Click(int16_t de) {
  Jouer([=, this] { partie_.PanelDe_Click(de); });
}

void Session::AppelCliqueCase(int16_t colonne, int16_t figure) {
  Jouer(
      [=, this] {
        if (FeuilleMontree()) partie_.AppelCliqueCase(colonne, figure);
      },
      colonne == colonne::Annonce);
}

// The clock runs on; the line says what happened, as the dice alone would not.
void Session::Annuler() {
  if (!partie_.PeutAnnuler() || !FeuilleMontree()) return;
  // The square taken back is a decision the player did not keep.
  if (!decisions_.empty() && decisions_.back().fait.genre == conseil::Choix::Genre::Ecrire)
    decisions_.pop_back();
  Jouer([this] { partie_.Annuler(); });
  InfoInterface(MsgCaseAnnulee(langue_));
}

void Session::Tic(int32_t nombre) {
  if (!chrono_.EnMarche()) return;
  for (int32_t i = 0; i < nombre; ++i) chrono_.TimerChrono_Timer();
  SauverPartie();
}

void Session::ChoisirFaces(int16_t typeDes) {
  partie_.ChoisirFaces(typeDes);
  vue_.FacesChoisies(Etat().TypeDes);
}

void Session::Aide(const AideSurvol& aide) {
  if (aide) InfoInterface(*aide);
}

// A control that is not on screen gets no mouse move: the line keeps its text.
void Session::SurvolerCase(int16_t colonne, int16_t figure) {
  if (FeuilleMontree() && dessins_[colonne][figure].aspect != Aspect::Cachee)
    Aide(AppelMoveCase(Etat(), colonne, figure, langue_));
}

// The two bonus squares of a column are on screen together, with the column.
void Session::SurvolerBonus(int16_t ou, int16_t colonne) {
  if (FeuilleMontree() && aire_[CleTotal{LigneTotal::BonusHaut, colonne}].montre == true)
    Aide(AppelMoveBonus(Etat(), ou, colonne, langue_));
}

void Session::SurvolerPanel(Seul panel) {
  if (ecran_.partieCommencee) InfoInterface(AppelMovePanel(panel, langue_));
}

void Session::SurvolerPanelScore(Famille panel, int16_t rang) {
  if (ecran_.scoresMontres) InfoInterface(AppelMovePanelScore(panel, rang, langue_));
}

void Session::SurvolerAire() {
  if (FeuilleMontree()) Aide(PictureAireJeu_MouseMove(Etat()));
}

void Session::MontrerScores(int16_t placeEnRouge) {
  ecran_.scoresMontres = true;
  ecran_.tableScores = scores_[Etat().ModeJeu];
  if (placeEnRouge != 0) ecran_.placeEnRouge = placeEnRouge;
  vue_.Scores(true);
}

// There are no scores to see before the first game.
void Session::AfficherScores() {
  if (ecran_.partieCommencee) MontrerScores(0);
}

void Session::EffacerScores() {
  ecran_.scoresMontres = false;
  vue_.Scores(false);
}

// Only the menu leads here; closing the window ends the run without a word and without saving.
void Session::DemanderQuitter() {
  if (!vue_.DemanderOuiNon(QuestionQuitter(langue_))) return;
  vue_.DechargerTousControles();
  vue_.AfficherMessage(TexteAuRevoir(langue_));
  SauverOptions({.quoi = ObjetSauvegarde::Quoi::Options});
  vue_.Terminer();
}

void Session::APropos() { vue_.AfficherMessage(TexteAPropos(langue_)); }

void Session::ImageDe(int16_t de, int16_t modele) {
  ecran_.imagesDes[de] = modele;
  vue_.ImageDe(de, modele);
}

void Session::DessineCases() {
  const EtatPartie& e = Etat();
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      DessinCase& d = dessins_[c][f];
      d = DessinDeCase(e, aire_, c, f);
      CaseALEcran& k = ecran_.cases[c][f];
      k.aspect = d.aspect;
      k.pointeur = d.Pointeur;
      if (d.apparence) k.legende = d.apparence->Legende;
    }
    for (std::size_t i = 0; i < LignesTotaux.size(); ++i)
      ecran_.totaux[c][i] = LegendeLigneTotal(e, LignesTotaux[i], c);
  }
  vue_.DessineCases();
}

void Session::InfoDeroulement(Message message) {
  ecran_.info = message;
  vue_.Info(Texte(message, langue_));
}

void Session::InfoInterface(std::string_view texte) {
  ecran_.info = std::string(texte);
  vue_.Info(texte);
}

void Session::LegendeOkDe(std::string_view legende) {
  ecran_.legendeOkDe = legende;
  vue_.Legende(Seul::PanelOkDe, legende);
}

void Session::LegendeFigureRealisee(rolvex::TexteFigure figure) {
  ecran_.figure = figure;
  vue_.Legende(Seul::PanelFigureRealisee, Texte(figure, langue_));
}

void Session::LegendeTotalDes(std::string_view legende) {
  ecran_.legendeTotalDes = legende;
  vue_.Legende(Seul::PanelTotalDes, legende);
}

void Session::LegendeScoreTotal(std::string_view legende) {
  ecran_.legendeScoreTotal = legende;
  vue_.Legende(Seul::PanelScoreTotal, legende);
}

void Session::PanelOkDeVisible(bool visible) {
  ecran_.okDeVisible = visible;
  vue_.PanelOkDeVisible(visible);
}

void Session::DisposerZoneClient(double largeur, double hauteur) {
  largeurFenetre_ = largeur;
  aire_ = DispositionZoneClient(largeur, hauteur, Etat().NbColonnes);
  // A square keeps its look: only its place follows the new layout.
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (auto& a = dessins_[c][f].apparence)
        if (const auto nouvelle = DessinDeCase(Etat(), aire_, c, f).apparence)
          a->rect = nouvelle->rect;
}

void Session::PreparerNouvellePartie() {
  ecran_.partieCommencee = true;
  ecran_.scoresMontres = false;
  ecran_.placeEnRouge = 0;
  ecran_.conseil.reset();
  conseils_.clear();
  conseilDemande_ = false;
  chancesMontrees_ = false;
  ++coup_;
  decisions_.clear();
  revue_.clear();
  aire_.DispositionMode(Etat().NbColonnes, largeurFenetre_);
  chrono_.Demarrer();
  vue_.PreparerNouvellePartie();
  vue_.Chrono(true);
}

// The last square is written; the clock still holds the game's time, and stops once the
// player has read the outcome.
void Session::AppelFinPartie() {
  // The sheet of a finished game says so: its bonus squares no longer tell what is missing.
  vue_.DessineCases();
  const EtatPartie& e = Etat();
  const PartieFinie partie{nomJoueur_, e.ScoreTotal, chrono_.SecondesPartie(),
                           e.NbFiguresRealisees};
  int16_t place = 0;
  if (!conseilDemande_ && YesHighScore(scores_, e.ModeJeu, partie)) {
    place = InsertionHighScore(scores_, e.ModeJeu, partie);
    MontrerScores(place);
    SauverOptions({.quoi = ObjetSauvegarde::Quoi::Score, .score = e.ScoreTotal, .place = place});
  }
  // Gone with the tables' save when that succeeded; a game over is never resumed. The history
  // comes after, so that a kill between them loses the game's line rather than counting it
  // twice.
  RetirerPartie();
  const std::optional<std::string> echecHistorique = EnregistrerPartie();
  if (place != 0) {
    vue_.AfficherMessage(MessagePlace(place, langue_));
    InfoInterface(MsgAutrePartie(langue_));
  } else {
    // No table is shown and no data file written.
    InfoInterface(conseilDemande_ ? MsgHorsClassementCoach(langue_) : MsgHorsClassement(langue_));
  }
  if (echecHistorique) vue_.AfficherMessage(*echecHistorique);
  chrono_.Arreter();
  vue_.Chrono(false);
}

}  // namespace rolvex
