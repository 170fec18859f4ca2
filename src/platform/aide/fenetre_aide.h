#pragma once
// The help viewer: one window, reused and raised on each request, with the
// contents tree and the search on tabs beside the page, and back and forward
// through the pages seen. Captions follow the program's language.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/aide/jeu_aide.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class FenetreAide : public QWidget {
 public:
  static constexpr int onglet_sommaire = 0;
  static constexpr int onglet_recherche = 1;

  // The one window, made on the first request. While a modal dialog is open
  // the window belongs to it, so that it takes clicks and keys beside it.
  static FenetreAide& instance();
  // The window when it exists, else nullptr.
  static FenetreAide* existante();

  // `dossier` is the help set's folder.
  void afficher_sommaire(const QString& dossier);
  void afficher_contexte(const QString& dossier, int contexte);
  // No text: the search tab with an empty, focused field. Otherwise the text
  // in the field, searched at once when `executer`.
  void afficher_recherche(const QString& dossier, const QString& texte, bool executer);

  // What the window shows, for its callers and tests.
  QString page_affichee() const;
  QTabWidget* onglets() const { return onglets_; }
  QTreeWidget* arbre() const { return arbre_; }
  QLineEdit* champ_recherche() const { return champ_; }
  QListWidget* resultats() const { return resultats_; }
  QTextBrowser* navigateur() const { return navigateur_; }
  QToolButton* bouton_precedent() const { return precedent_; }
  QToolButton* bouton_suivant() const { return suivant_; }

 private:
  FenetreAide();
  void construire();
  void appliquer_libelles();
  void charger(const QString& dossier);
  void remplir_arbre();
  void ajouter_entrees(QTreeWidgetItem* parent, const std::vector<EntreeSommaire>& entrees);
  void ouvrir(const QString& chemin);
  void ouvrir_page_du_jeu(const QString& page);
  void afficher_sans_aide();
  void lancer_recherche();
  void presenter();

  JeuAide jeu_;
  QTabWidget* onglets_ = nullptr;
  QTreeWidget* arbre_ = nullptr;
  QLineEdit* champ_ = nullptr;
  QListWidget* resultats_ = nullptr;
  QTextBrowser* navigateur_ = nullptr;
  QToolButton* precedent_ = nullptr;
  QToolButton* suivant_ = nullptr;
};
