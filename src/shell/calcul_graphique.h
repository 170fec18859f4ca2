#pragma once
// The tangent and integral dialog of the Graphiques module: for a cartesian
// curve of the main window's list, the tangent at a point (added to the
// list on OK when asked) and the trapezoid sum between two abscissas, whose
// area the chart paints while the dialog shows.

#include <QDialog>

#include "engine/calculs_courbes.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTabWidget;
class TChartMap;

class TFcalcul_graphique : public QDialog {
 public:
  explicit TFcalcul_graphique(QWidget* parent = nullptr);

  // Shows the integral page when `integrale`, else the tangent page.
  void montrer_page(bool integrale);

  void FormShow();
  void FormHide();
  void BcalculerClick();
  void BOKClick();
  void BANNULERClick();
  void Bcalculer_integraleClick();
  // The area under the chosen curve between the two abscissas, as vertical
  // red segments, while the dialog shows and both abscissas are numbers.
  void peindre_aire(QPainter& peintre, const TChartMap& carte);

  QTabWidget* PCcalcul_graphique;
  QWidget* TStangente;
  QWidget* TSIntegrale;
  QComboBox* CBcourbe;
  QLineEdit* Tabscisse;
  QCheckBox* Ctracer;
  QLineEdit* Tequation;
  QPushButton* Bcalculer;
  QComboBox* CBcourbe_integrale;
  QLineEdit* Tabscisse1;
  QLineEdit* Tabscisse2;
  QLineEdit* Tintegrale;
  QPushButton* Bcalculer_integrale;
  QLabel* Lerreur_calcul_graphique;
  QPushButton* BOK;
  QPushButton* BANNULER;

 protected:
  void showEvent(QShowEvent* evenement) override;
  void hideEvent(QHideEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  Tcache_integrale cache_;
};

extern TFcalcul_graphique* Fcalcul_graphique;
