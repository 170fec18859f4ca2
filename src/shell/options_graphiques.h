#pragma once
// The options dialog. The calculator reads its calculator boxes and the
// curve drawing reads the bound fields, all loaded from the settings and the
// chart here; the Graphiques page applies the chart options and writes them.
// The Internet page sets the HTTP client's proxy; the calculator boxes and
// the language are written at every apply.

#include <QDialog>

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QObject;
class QPushButton;
class QTabWidget;
class QWidget;

class TFoptions_graphiques : public QDialog {
 public:
  explicit TFoptions_graphiques(QWidget* parent = nullptr);

  // CBreduction from [outils] auto_reduction, then FormShow.
  void FormCreate();
  // Loads the Graphiques page from the main window's chart and the
  // settings, the calculator boxes and the language from the settings.
  void FormShow();
  // Applies the Graphiques page: the bound fields become their numeric
  // values; with every bound a number and each minimum below its maximum the
  // chart takes the options, the settings are written and the curves drawn
  // again; otherwise the errors are shown and nothing changes.
  void BappliquerClick(QObject* sender);
  // Applies, then hides unless the options were refused.
  void BokClick();
  // Loads the fields again, then hides.
  void BANNULERClick();
  // User actions only: loading the dialog runs none of these.
  void CBieClick();
  void CbauthentificationClick();
  void CBLangueChange();
  // Shows the start-up configuration dialog.
  void BconfigurerClick();
  // The themes of the selected class, ticked when one of their entries is
  // enabled.
  void CLBclassesClick();
  // Ticking or unticking a class (item `ligne`) does the same to its themes
  // and to every entry of its level.
  void CLBclassesClickCheck(int ligne);
  // The class follows its themes; the entries follow their theme.
  void CLBthemesClickCheck();
  // Whether the dialog may close. `bouton` is the button that closes it, or
  // nothing for the title bar, which unticks every class, reloads the
  // account's selection and always closes.
  bool FormCloseQuery(QObject* bouton);
  void BdefautClick();
  void CechelleClick();
  void Panel2Click();
  std::int32_t couleur_fond() const { return couleur_fond_; }
  void choisir_couleur_fond(std::int32_t couleur);
  // Shows the page of the category chosen in LBcategorie.
  void LBcategorieClick();

  QListWidget* LBcategorie;
  QListWidget* CLBclasses;
  QListWidget* CLBthemes;
  QTabWidget* PCoptions;
  QWidget* TSExercices;
  QWidget* TSgraphiques;
  QWidget* TSinternet;
  QWidget* TabSheet4;
  QWidget* TSgenerales;
  QCheckBox* CBreduction;
  QCheckBox* CBmultiplier;
  QCheckBox* CBcoloration;
  QComboBox* CBLangue;
  QComboBox* CBaction;
  QLineEdit* Ttitre;
  QLineEdit* Txmin;
  QLineEdit* Txmax;
  QLineEdit* Tymin;
  QLineEdit* Tymax;
  QLineEdit* Ttmin;
  QLineEdit* Ttmax;
  QCheckBox* CBlegende;
  QCheckBox* CBquadrillage;
  QCheckBox* Cechelle;
  QComboBox* CBprecision;
  QComboBox* CBdecimale;
  QWidget* Panel2;
  QPushButton* Bdefaut;
  QPushButton* Bok;
  QPushButton* BANNULER;
  QPushButton* Bappliquer;
  QLineEdit* Tadresse;
  QLineEdit* Tport;
  QCheckBox* CBie;
  QCheckBox* Cbauthentification;
  QLineEdit* Tutilisateur;
  QLineEdit* Tpwd_proxy;
  QPushButton* Bconfigurer;

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
  void closeEvent(QCloseEvent* evenement) override;

 private:
  void page_graphiques(QWidget* page);
  // FormShow's Graphiques part.
  void charger_graphiques();
  // BappliquerClick's Graphiques part; false when refused.
  bool appliquer_graphiques();
  // FormShow's proxy part and the apply's proxy, calculator and language
  // part (options_internet.cpp).
  void charger_internet();
  // FormShow's and the apply's class part (options_exercices.cpp); the
  // apply's is false when no class is ticked for a logged-in user.
  void charger_classes();
  bool appliquer_classes(QObject* sender);
  void creer_page_exercices();
  bool classe_cochee() const;
  // Item changes made by the code are no user action.
  bool remplissage_ = false;
  void appliquer_internet();
  std::int32_t couleur_fond_ = 0;
};

extern TFoptions_graphiques* Foptions_graphiques;
