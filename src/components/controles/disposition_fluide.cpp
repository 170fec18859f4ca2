#include "components/controles/disposition_fluide.h"

#include <QWidget>

#include <algorithm>
#include <vector>

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
  int y = zone.y();
  // One row at a time: its controls, then their places, centred on the
  // row's height.
  std::vector<QLayoutItem*> rangee;
  int largeur_rangee = 0;
  int hauteur_rangee = 0;
  const auto fermer_rangee = [&] {
    int x = zone.x();
    for (QLayoutItem* element : rangee) {
      const QSize taille = element->sizeHint();
      if (placer) element->setGeometry(QRect(QPoint(x, y + (hauteur_rangee - taille.height()) / 2), taille));
      x += taille.width() + espacement_;
    }
    y += hauteur_rangee + espacement_;
    rangee.clear();
    largeur_rangee = 0;
    hauteur_rangee = 0;
  };
  for (QLayoutItem* element : elements_) {
    if (element->isEmpty()) continue;
    const QSize taille = element->sizeHint();
    if (!rangee.empty() && largeur_rangee + espacement_ + taille.width() > zone.width()) fermer_rangee();
    largeur_rangee += (rangee.empty() ? 0 : espacement_) + taille.width();
    hauteur_rangee = std::max(hauteur_rangee, taille.height());
    rangee.push_back(element);
  }
  const bool vide = y == zone.y() && rangee.empty();
  if (!rangee.empty()) fermer_rangee();
  const int bas = vide ? y : y - espacement_;
  return bas - rect.y() + contentsMargins().bottom();
}
