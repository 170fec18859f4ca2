#pragma once
// The account dialog: login and account pages, laid out with their named
// controls; it opens no account and no session.

#include <QDialog>

class QComboBox;
class QTabWidget;

class TFiche_choix_exo : public QDialog {
 public:
  explicit TFiche_choix_exo(QWidget* parent = nullptr);

  QTabWidget* PCcompte;
  QComboBox* Compte;
  QComboBox* Classe;
};

extern TFiche_choix_exo* Fiche_choix_exo;
