#include "shell/fiche_choix_exo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/composants.h"

TFiche_choix_exo* Fiche_choix_exo = nullptr;

TFiche_choix_exo::TFiche_choix_exo(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFiche_choix_exo");
  f.titrer(this);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* disposition = new QVBoxLayout(this);
  PCcompte = f.creer<QTabWidget>(this, "PCcompte");
  PCcompte->tabBar()->hide();  // pages switched by code
  disposition->addWidget(PCcompte);

  QWidget* connexion = f.page(PCcompte, "TSconnexion");
  auto* login = new QFormLayout(connexion);
  login->addRow(f.etiquette(connexion, "Nom"), f.creer<QComboBox>(connexion, "Listedcomptes"));
  login->addRow(f.etiquette(connexion, "Label6"), f.zone_texte(connexion, "Tmot_de_passe"));
  login->addRow(f.case_a_cocher(connexion, "CBcompte_defaut"));
  login->addRow(f.bouton(connexion, "VALIDER"));
  login->addRow(f.bouton(connexion, "Bnouveau_compte"));

  QWidget* creation = f.page(PCcompte, "TScreation");
  auto* compte = new QFormLayout(creation);
  Compte = f.creer<QComboBox>(creation, "Compte");
  Compte->setEditable(true);
  Classe = f.creer<QComboBox>(creation, "Classe");
  compte->addRow(f.etiquette(creation, "Label1"), Compte);
  compte->addRow(f.etiquette(creation, "Label3"), Classe);
  compte->addRow(f.etiquette(creation, "Label2"), f.zone_texte(creation, "Mot_de_passe"));
  compte->addRow(f.bouton(creation, "Creer"));
}
