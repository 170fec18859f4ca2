#pragma once
// The widget that shows a rendered page: it owns the page's bitmap and its
// canvas, keeps a logical size that may exceed the bitmap (a page wider than
// any bitmap is clipped, not refused), and hands its mouse events to one
// replaceable handler each. A page inside a BoiteDefilement follows the
// box's width.

#include <QImage>
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "platform/canevas.h"

// Mouse state bits given with every mouse event.
enum EtatSouris : unsigned {
  etat_maj = 1u << 0,
  etat_alt = 1u << 1,
  etat_ctrl = 1u << 2,
  etat_gauche = 1u << 3,
  etat_droit = 1u << 4,
  etat_milieu = 1u << 5,
};

enum class BoutonSouris { gauche, droit, milieu };
enum class Curseur { defaut, main };

using GestionnaireDeplacement = std::function<void(unsigned etat, int x, int y)>;
using GestionnaireBouton = std::function<void(BoutonSouris bouton, unsigned etat, int x, int y)>;

// A handler and the object that installed it: an owner going away removes
// its own handlers only, never one that somebody installed over it.
template <typename F>
struct Gestionnaire {
  const void* proprietaire = nullptr;
  F fonction;
  void retirer(const void* qui) {
    if (proprietaire == qui) *this = {};
  }
};

// The scroll box around a page, with a replaceable resize handler.
class BoiteDefilement : public QScrollArea {
 public:
  explicit BoiteDefilement(QWidget* parent = nullptr);
  void definir_sur_redimensionnement(const void* proprietaire, std::function<void()> f);
  void retirer_gestionnaires(const void* proprietaire);

 protected:
  void resizeEvent(QResizeEvent* evenement) override;

 private:
  Gestionnaire<std::function<void()>> sur_redimensionnement_;
};

class ImageHote : public QWidget {
 public:
  // Largest bitmap side and area; the rest of a larger page is clipped.
  static constexpr int cote_maximal = 16384;
  static constexpr long long aire_maximale = 1LL << 25;

  explicit ImageHote(QWidget* parent = nullptr);
  ~ImageHote() override;

  int largeur() const { return largeur_; }
  int hauteur() const { return hauteur_; }
  void definir_largeur(int largeur);
  void definir_hauteur(int hauteur);

  // The canvas of the bitmap (it measures even when there is no bitmap).
  Canevas& canevas() { return canevas_; }
  // Drops the picture: nothing is shown until the bitmap is sized again.
  void effacer_image();
  // A white bitmap of that size, capped.
  void dimensionner_bitmap(int largeur, int hauteur);
  // The picture as drawn so far (painting is finished first).
  const QImage& bitmap();
  // Shows what was drawn.
  void rafraichir();

  Curseur curseur() const { return curseur_; }
  void definir_curseur(Curseur curseur);

  void definir_sur_deplacement(const void* proprietaire, GestionnaireDeplacement f);
  void definir_sur_appui(const void* proprietaire, GestionnaireBouton f);
  void definir_sur_relachement(const void* proprietaire, GestionnaireBouton f);
  void retirer_gestionnaires(const void* proprietaire);

  // The events as a mouse would raise them (also what tests call).
  void souris_deplacee(unsigned etat, int x, int y);
  void souris_appuyee(BoutonSouris bouton, unsigned etat, int x, int y);
  void souris_relachee(BoutonSouris bouton, unsigned etat, int x, int y);

  // The box the page sits in, nullptr when it is not in one.
  BoiteDefilement* boite() const;

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;

 private:
  void ajuster_taille_widget();

  int largeur_ = 0;
  int hauteur_ = 0;
  QImage bitmap_;
  Canevas canevas_;
  Curseur curseur_ = Curseur::defaut;
  Gestionnaire<GestionnaireDeplacement> sur_deplacement_;
  Gestionnaire<GestionnaireBouton> sur_appui_;
  Gestionnaire<GestionnaireBouton> sur_relachement_;
};
