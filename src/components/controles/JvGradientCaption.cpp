#include "components/controles/JvGradientCaption.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

#include "platform/couleur_qt.h"

namespace {

constexpr int marge_initiale = 10;
constexpr int haut_initial = 8;

}  // namespace

TJvGradientCaption::TJvGradientCaption(QWidget* parent)
    : QWidget(parent),
      gradient_(new TJvGradient(this)),
      etiquette_(new QLabel(this)),
      couleur_etiquette_(couleur_aucune),
      couleur_texte_(couleur_blanche) {
  resize(largeur_initiale, hauteur_initiale);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  gradient_->setObjectName(QStringLiteral("Gradient"));
  gradient_->SetStartColor(couleur_noire);
  gradient_->SetEndColor(couleur_blanche);
  gradient_->SetSteps(100);
  gradient_->setGeometry(rect());
  etiquette_->setObjectName(QStringLiteral("Label"));
  etiquette_->setText(QStringLiteral("Put your text here ..."));
  marge_ = marge_initiale;
  haut_ = haut_initial;
  peindre_etiquette();
  disposer();
  etiquette_->installEventFilter(this);
}

void TJvGradientCaption::SetLabelLeft(int valeur) {
  marge_ = std::max(valeur, 0);
  disposer();
}

void TJvGradientCaption::SetLabelTop(int valeur) {
  haut_ = std::max(valeur, 0);
  disposer();
}

QString TJvGradientCaption::LabelCaption() const { return etiquette_->text(); }

void TJvGradientCaption::SetLabelCaption(const QString& valeur) {
  etiquette_->setText(valeur);
  disposer();
}

Qt::Alignment TJvGradientCaption::LabelAlignment() const { return etiquette_->alignment(); }

void TJvGradientCaption::SetLabelAlignment(Qt::Alignment valeur) {
  etiquette_->setAlignment(valeur);
  disposer();
}

void TJvGradientCaption::SetLabelColor(std::int32_t valeur) {
  couleur_etiquette_ = valeur;
  peindre_etiquette();
}

QFont TJvGradientCaption::LabelFont() const { return etiquette_->font(); }

void TJvGradientCaption::SetLabelFont(const QFont& valeur) {
  etiquette_->setFont(valeur);
  disposer();
}

void TJvGradientCaption::SetLabelFontColor(std::int32_t valeur) {
  couleur_texte_ = valeur;
  peindre_etiquette();
}

QString TJvGradientCaption::LabelHint() const { return etiquette_->toolTip(); }

void TJvGradientCaption::SetLabelHint(const QString& valeur) { etiquette_->setToolTip(valeur); }

// A transparent label exactly when its colour is couleur_aucune.
void TJvGradientCaption::peindre_etiquette() {
  QPalette palette = etiquette_->palette();
  palette.setColor(QPalette::WindowText, couleur_qt(couleur_texte_));
  const bool transparente = couleur_etiquette_ == couleur_aucune;
  if (!transparente) palette.setColor(QPalette::Window, couleur_qt(couleur_etiquette_));
  etiquette_->setPalette(palette);
  etiquette_->setAutoFillBackground(!transparente);
}

void TJvGradientCaption::disposer() {
  etiquette_->setContentsMargins(0, 0, 0, 0);
  etiquette_->setMargin(0);
  const QSize naturelle = etiquette_->sizeHint();
  // The gradient fills the bar: its width is the bar's, even before the
  // bar is first shown and resized.
  const int disponible = width() - 2 * marge_;
  if (disponible > naturelle.width()) {
    etiquette_->setGeometry(marge_, haut_, disponible, naturelle.height());
  } else {
    etiquette_->setGeometry((width() - naturelle.width()) / 2, haut_, naturelle.width(), naturelle.height());
  }
}

void TJvGradientCaption::resizeEvent(QResizeEvent*) {
  gradient_->setGeometry(rect());
  disposer();
}

bool TJvGradientCaption::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == etiquette_ && evenement->type() == QEvent::FontChange) disposer();
  return QWidget::eventFilter(objet, evenement);
}
