#include "components/controles/disposition_fluide.h"

#include <QWidget>

#include <algorithm>

DispositionFluide::DispositionFluide(QWidget* parent, int espacement) : QLayout(parent), espacement_(espacement) {}

DispositionFluide::~DispositionFluide() {
  while (QLayoutItem* element = takeAt(0)) delete element;
}

void DispositionFluide::addItem(QLayoutItem* element) { elements_.append(element); }

QLayoutItem* DispositionFluide::itemAt(int indice) const {
  return indice >= 0 && indice < elements_.size() ? elements_.at(indice) : nullptr;
}

QLayoutItem* DispositionFluide::takeAt(int indice) {
  return indice >= 0 && indice < elements_.size() ? elements_.takeAt(indice) : nullptr;
}

int DispositionFluide::heightForWidth(int largeur) const { return disposer(QRect(0, 0, largeur, 0), false); }

// As narrow as the widest control.
QSize DispositionFluide::minimumSize() const {
  QSize taille;
  for (const QLayoutItem* element : elements_) {
    if (!element->isEmpty()) taille = taille.expandedTo(element->minimumSize());
  }
  const QMargins marges = contentsMargins();
  return taille + QSize(marges.left() + marges.right(), marges.top() + marges.bottom());
}

// One row when the room allows it.
QSize DispositionFluide::sizeHint() const {
  int largeur = 0;
  int hauteur = 0;
  for (const QLayoutItem* element : elements_) {
    if (element->isEmpty()) continue;
    largeur += element->sizeHint().width() + (largeur > 0 ? espacement_ : 0);
    hauteur = std::max(hauteur, element->sizeHint().height());
  }
  const QMargins marges = contentsMargins();
  return {largeur + marges.left() + marges.right(), hauteur + marges.top() + marges.bottom()};
}

void DispositionFluide::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  disposer(rect, true);
}

int DispositionFluide::disposer(const QRect& rect, bool placer) const {
  const QRect zone = rect.marginsRemoved(contentsMargins());
  int x = zone.x();
  int y = zone.y();
  int hauteur_rangee = 0;
  for (QLayoutItem* element : elements_) {
    if (element->isEmpty()) continue;
    const QSize taille = element->sizeHint();
    if (x > zone.x() && x + taille.width() > zone.right() + 1) {
      x = zone.x();
      y += hauteur_rangee + espacement_;
      hauteur_rangee = 0;
    }
    if (placer) element->setGeometry(QRect(QPoint(x, y), taille));
    x += taille.width() + espacement_;
    hauteur_rangee = std::max(hauteur_rangee, taille.height());
  }
  const QMargins marges = contentsMargins();
  return y + hauteur_rangee - rect.y() + marges.bottom();
}
