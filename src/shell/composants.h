#pragma once
// The controls the windows are built from: our flat buttons and check boxes
// (Qt buttons underneath) and plain Qt widgets, each carrying its component
// name as object name (the language switch and the tests find it by that
// name) and the caption and hint it is designed with.

#include <QString>

#include <string>
#include <utility>

class QAction;
class QBoxLayout;
class QCheckBox;
class QRadioButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QObject;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class TJvGradientCaption;
class TJvTransparentButton;

// The caption of a control of any kind (button, label, menu, menu item,
// action, group box, tab page, window).
void definir_libelle(QObject* composant, const QString& libelle);
QString libelle_de(const QObject* composant);
// The caption the control was designed with; empty when it has none.
QString libelle_de_conception(const QObject* composant);

// Makes the controls of one window, with the captions and hints of its
// design.
class Fabrique {
 public:
  explicit Fabrique(std::string fenetre) : fenetre_(std::move(fenetre)) {}

  template <class W>
  W* creer(QWidget* parent, const char* nom) {
    auto* w = new W(parent);
    nommer(w, nom);
    return w;
  }

  QPushButton* bouton(QWidget* parent, const char* nom);
  QToolButton* bouton_outil(QWidget* parent, const char* nom);
  // A caption over its parent, framed while the pointer is over it.
  TJvTransparentButton* bouton_transparent(QWidget* parent, const char* nom);
  // Two buttons at the bottom right of a dialog, added to its layout.
  std::pair<QPushButton*, QPushButton*> ligne_ok_annuler(QWidget* fenetre, QBoxLayout* disposition, const char* ok,
                                                         const char* annuler);
  QCheckBox* case_a_cocher(QWidget* parent, const char* nom);
  QRadioButton* bouton_radio(QWidget* parent, const char* nom);
  QLabel* etiquette(QWidget* parent, const char* nom);
  QGroupBox* groupe(QWidget* parent, const char* nom);
  QLineEdit* zone_texte(QWidget* parent, const char* nom);
  // A page of a page control, added last with its caption as tab text.
  QWidget* page(QTabWidget* classeur, const char* nom);
  QMenu* menu(QMenuBar* barre, const char* nom);
  QMenu* sous_menu(QMenu* parent, const char* nom);
  QAction* element(QMenu* menu, const char* nom);
  QAction* action(QObject* parent, const char* nom);
  // The caption bar: a gradient under a bold blue centred text, whose
  // height in pixels is given.
  TJvGradientCaption* barre_titre(QWidget* parent, const char* nom, int pixels_texte);
  // Names the window after its class and gives it its designed caption.
  void titrer(QWidget* fenetre);

 private:
  void nommer(QObject* objet, const char* nom);
  void decorer(QObject* objet, const char* nom);

  // A new control with its designed caption and hint.
  template <class W, class Parent>
  W* creer_decore(Parent* parent, const char* nom) {
    auto* w = new W(parent);
    decorer(w, nom);
    return w;
  }

  std::string fenetre_;
};
