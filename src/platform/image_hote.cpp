#include "platform/image_hote.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

unsigned etat_de(const QMouseEvent& e) {
  unsigned etat = 0;
  const Qt::KeyboardModifiers m = e.modifiers();
  if (m & Qt::ShiftModifier) etat |= etat_maj;
  if (m & Qt::AltModifier) etat |= etat_alt;
  if (m & Qt::ControlModifier) etat |= etat_ctrl;
  const Qt::MouseButtons b = e.buttons();
  if (b & Qt::LeftButton) etat |= etat_gauche;
  if (b & Qt::RightButton) etat |= etat_droit;
  if (b & Qt::MiddleButton) etat |= etat_milieu;
  return etat;
}

BoutonSouris bouton_de(const QMouseEvent& e) {
  switch (e.button()) {
    case Qt::RightButton: return BoutonSouris::droit;
    case Qt::MiddleButton: return BoutonSouris::milieu;
    default: return BoutonSouris::gauche;
  }
}

}  // namespace

BoiteDefilement::BoiteDefilement(QWidget* parent) : QScrollArea(parent) {}

void BoiteDefilement::definir_sur_redimensionnement(const void* proprietaire, std::function<void()> f) {
  sur_redimensionnement_ = {proprietaire, std::move(f)};
}

void BoiteDefilement::retirer_gestionnaires(const void* proprietaire) { sur_redimensionnement_.retirer(proprietaire); }

void BoiteDefilement::resizeEvent(QResizeEvent* evenement) {
  QScrollArea::resizeEvent(evenement);
  // A copy: the handler may replace itself while it runs.
  const auto f = sur_redimensionnement_.fonction;
  if (f) f();
}

ImageHote::ImageHote(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  canevas_.attacher(nullptr);
}

ImageHote::~ImageHote() { canevas_.terminer(); }

void ImageHote::ajuster_taille_widget() {
  resize(std::clamp(largeur_, 0, QWIDGETSIZE_MAX), std::clamp(hauteur_, 0, QWIDGETSIZE_MAX));
}

void ImageHote::definir_largeur(int largeur) {
  largeur_ = std::max(largeur, 0);
  ajuster_taille_widget();
}

void ImageHote::definir_hauteur(int hauteur) {
  hauteur_ = std::max(hauteur, 0);
  ajuster_taille_widget();
}

void ImageHote::effacer_image() {
  canevas_.attacher(nullptr);
  bitmap_ = QImage();
  update();
}

void ImageHote::dimensionner_bitmap(int largeur, int hauteur) {
  long long l = std::clamp(largeur, 0, cote_maximal);
  long long h = std::clamp(hauteur, 0, cote_maximal);
  if (l * h > aire_maximale) h = aire_maximale / l;
  canevas_.attacher(nullptr);
  if (l == 0 || h == 0) {
    bitmap_ = QImage();
    return;
  }
  bitmap_ = QImage(static_cast<int>(l), static_cast<int>(h), QImage::Format_RGB32);
  bitmap_.fill(Qt::white);
  canevas_.attacher(&bitmap_);
}

const QImage& ImageHote::bitmap() {
  canevas_.terminer();
  return bitmap_;
}

void ImageHote::rafraichir() {
  canevas_.terminer();
  update();
}

void ImageHote::definir_curseur(Curseur curseur) {
  curseur_ = curseur;
  setCursor(curseur == Curseur::main ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ImageHote::definir_sur_deplacement(const void* proprietaire, GestionnaireDeplacement f) {
  sur_deplacement_ = {proprietaire, std::move(f)};
}

void ImageHote::definir_sur_appui(const void* proprietaire, GestionnaireBouton f) {
  sur_appui_ = {proprietaire, std::move(f)};
}

void ImageHote::definir_sur_relachement(const void* proprietaire, GestionnaireBouton f) {
  sur_relachement_ = {proprietaire, std::move(f)};
}

void ImageHote::retirer_gestionnaires(const void* proprietaire) {
  sur_deplacement_.retirer(proprietaire);
  sur_appui_.retirer(proprietaire);
  sur_relachement_.retirer(proprietaire);
}

// Each event calls a copy of its handler: a handler may free the page that
// installed it (a link that opens another page) while it runs.
void ImageHote::souris_deplacee(unsigned etat, int x, int y) {
  const auto f = sur_deplacement_.fonction;
  if (f) f(etat, x, y);
}

void ImageHote::souris_appuyee(BoutonSouris bouton, unsigned etat, int x, int y) {
  const auto f = sur_appui_.fonction;
  if (f) f(bouton, etat, x, y);
}

void ImageHote::souris_relachee(BoutonSouris bouton, unsigned etat, int x, int y) {
  const auto f = sur_relachement_.fonction;
  if (f) f(bouton, etat, x, y);
}

BoiteDefilement* ImageHote::boite() const {
  QWidget* vue = parentWidget();
  if (vue == nullptr) return nullptr;
  auto* b = dynamic_cast<BoiteDefilement*>(vue->parentWidget());
  return (b != nullptr && b->widget() == this) ? b : nullptr;
}

void ImageHote::paintEvent(QPaintEvent*) {
  canevas_.terminer();
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  if (!bitmap_.isNull()) p.drawImage(QPoint(0, 0), bitmap_);
}

void ImageHote::mouseMoveEvent(QMouseEvent* e) {
  const QPoint point = e->position().toPoint();
  souris_deplacee(etat_de(*e), point.x(), point.y());
}

void ImageHote::mousePressEvent(QMouseEvent* e) {
  const QPoint point = e->position().toPoint();
  souris_appuyee(bouton_de(*e), etat_de(*e), point.x(), point.y());
}

void ImageHote::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint point = e->position().toPoint();
  souris_relachee(bouton_de(*e), etat_de(*e), point.x(), point.y());
}
