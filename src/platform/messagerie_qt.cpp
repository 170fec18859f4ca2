#include "platform/messagerie_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include <array>
#include <utility>

#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"

namespace {

const QString titre_boites = QStringLiteral("Pralinore");

constexpr std::array<std::pair<unsigned, QMessageBox::StandardButton>, 7> boutons_qt = {{
    {bouton_oui, QMessageBox::Yes},
    {bouton_non, QMessageBox::No},
    {bouton_ok, QMessageBox::Ok},
    {bouton_annuler, QMessageBox::Cancel},
    {bouton_abandon, QMessageBox::Abort},
    {bouton_reessayer, QMessageBox::Retry},
    {bouton_ignorer, QMessageBox::Ignore},
}};

QMessageBox::Icon icone(TypeDialogue type) {
  switch (type) {
    case TypeDialogue::avertissement: return QMessageBox::Warning;
    case TypeDialogue::erreur: return QMessageBox::Critical;
    case TypeDialogue::information: return QMessageBox::Information;
    case TypeDialogue::confirmation: return QMessageBox::Question;
    case TypeDialogue::personnalise: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

QWidget* fenetre_active() { return QApplication::activeWindow(); }

std::int32_t valeur_couleur(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace

void MessagerieQt::message(const std::string& texte, bool boite_systeme) {
  question(texte, TypeDialogue::information, bouton_ok, boite_systeme);
}

int MessagerieQt::question(const std::string& texte, TypeDialogue type, unsigned boutons, bool) {
  if (boutons == 0) boutons = bouton_ok;
  QMessageBox boite(icone(type), titre_boites, depuis_1252(texte), QMessageBox::NoButton, fenetre_active());
  for (const auto& [bit, bouton] : boutons_qt) {
    if (boutons & bit) boite.addButton(bouton);
  }
  // Escape gives Cancel, else No, else OK, as the program has always read it.
  const int echappement = reponse_echappement(boutons);
  for (const auto& [bit, bouton] : boutons_qt) {
    if (code_du_bouton(bit) == echappement && (boutons & bit)) boite.setEscapeButton(bouton);
  }
  boite.exec();
  QAbstractButton* presse = boite.clickedButton();
  for (const auto& [bit, bouton] : boutons_qt) {
    if (presse != nullptr && presse == boite.button(bouton)) return code_du_bouton(bit);
  }
  return echappement;
}

std::optional<std::string> MessagerieQt::saisie(const std::string& titre, const std::string& invite,
                                                const std::string& defaut) {
  bool confirme = false;
  const QString texte = QInputDialog::getText(fenetre_active(), titre.empty() ? titre_boites : depuis_1252(titre),
                                              depuis_1252(invite), QLineEdit::Normal, depuis_1252(defaut), &confirme);
  if (!confirme) return std::nullopt;
  return vers_1252(texte);
}

std::optional<FichierChoisi> MessagerieQt::fichier(const DemandeFichier& demande) {
  QFileDialog dialogue(fenetre_active(), depuis_1252(demande.titre));
  dialogue.setAcceptMode(demande.enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialogue.setFileMode(demande.enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialogue.setNameFilters(filtres_qt(demande.filtre).split(QStringLiteral(";;"), Qt::SkipEmptyParts));
  // The dialog keeps its filters with their blanks simplified: they are
  // chosen and found again in its own spelling.
  const QStringList filtres = dialogue.nameFilters();
  if (demande.indice_filtre >= 1 && demande.indice_filtre <= filtres.size()) {
    dialogue.selectNameFilter(filtres.at(demande.indice_filtre - 1));
  }
  if (!demande.nom_initial.empty()) dialogue.selectFile(depuis_1252(demande.nom_initial));
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
  FichierChoisi choix;
  choix.chemin = vers_1252(dialogue.selectedFiles().constFirst());
  choix.indice_filtre = static_cast<int>(filtres.indexOf(dialogue.selectedNameFilter())) + 1;
  if (choix.indice_filtre < 1) choix.indice_filtre = 1;
  return choix;
}

std::optional<std::int32_t> MessagerieQt::couleur(std::int32_t initiale) {
  const QColor choisie = QColorDialog::getColor(couleur_qt(initiale), fenetre_active());
  if (!choisie.isValid()) return std::nullopt;
  return valeur_couleur(choisie);
}

int MessagerieQt::fenetre_modale(const std::string&, const std::function<int()>& montrer) { return montrer(); }

void MessagerieQt::ouvrir(const std::string& adresse) {
  const QString texte = depuis_1252(adresse);
  const bool web = texte.startsWith(QStringLiteral("http://")) || texte.startsWith(QStringLiteral("https://"));
  QDesktopServices::openUrl(web ? QUrl(texte) : QUrl::fromLocalFile(texte));
}

QString filtres_qt(const std::string& filtre_1252) {
  const QStringList morceaux = depuis_1252(filtre_1252).split(QLatin1Char('|'));
  QStringList filtres;
  for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
    const QString description = morceaux.at(i).trimmed();
    QString motifs = morceaux.at(i + 1).trimmed();
    motifs.replace(QLatin1Char(';'), QLatin1Char(' '));
    // A description that already shows its patterns is not given them twice.
    if (description.endsWith(QLatin1Char('(') + motifs + QLatin1Char(')'))) {
      filtres << description;
    } else {
      filtres << description + QStringLiteral(" (") + motifs + QLatin1Char(')');
    }
  }
  return filtres.join(QStringLiteral(";;"));
}
