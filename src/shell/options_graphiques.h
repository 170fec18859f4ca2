#pragma once
// The options dialog. The calculator reads its calculator boxes, which are
// loaded from the settings here; the pages of graph, network and exercise
// options are laid out and come to life with the dialog's own item.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;

class TFoptions_graphiques : public QDialog {
 public:
  explicit TFoptions_graphiques(QWidget* parent = nullptr);

  // CBreduction from [outils] auto_reduction, then FormShow.
  void FormCreate();
  // Loads the calculator boxes and the language from the settings.
  void FormShow();
  // Shows the page of the category chosen in LBcategorie.
  void LBcategorieClick();

  QListWidget* LBcategorie;
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
  QPushButton* Bok;
  QPushButton* BANNULER;
  QPushButton* Bappliquer;
};

extern TFoptions_graphiques* Foptions_graphiques;
