#pragma once
// A caption bar: a gradient filling the bar and a label over it. The label
// is as wide as the bar less its margins, or, when its text is wider, centred
// on the bar and cut at both ends.

#include <QFont>
#include <QString>
#include <QWidget>

#include <cstdint>

#include "components/controles/JvGradient.h"

class QLabel;

class TJvGradientCaption : public QWidget {
  Q_OBJECT

 public:
  static constexpr int largeur_initiale = 285;
  static constexpr int hauteur_initiale = 30;

  explicit TJvGradientCaption(QWidget* parent = nullptr);

  TGradStyle GradientStyle() const { return gradient_->Style(); }
  void SetGradientStyle(TGradStyle valeur) { gradient_->SetStyle(valeur); }
  std::int32_t GradientStartColor() const { return gradient_->StartColor(); }
  void SetGradientStartColor(std::int32_t valeur) { gradient_->SetStartColor(valeur); }
  std::int32_t GradientEndColor() const { return gradient_->EndColor(); }
  void SetGradientEndColor(std::int32_t valeur) { gradient_->SetEndColor(valeur); }
  int GradientSteps() const { return gradient_->Steps(); }
  void SetGradientSteps(int valeur) { gradient_->SetSteps(valeur); }
  QString GradientHint() const { return gradient_->toolTip(); }
  void SetGradientHint(const QString& valeur) { gradient_->setToolTip(valeur); }

  // Negative margins become 0.
  int LabelLeft() const { return marge_; }
  void SetLabelLeft(int valeur);
  int LabelTop() const { return haut_; }
  void SetLabelTop(int valeur);
  QString LabelCaption() const;
  void SetLabelCaption(const QString& valeur);
  Qt::Alignment LabelAlignment() const;
  void SetLabelAlignment(Qt::Alignment valeur);
  // couleur_aucune lets the gradient show behind the text.
  std::int32_t LabelColor() const { return couleur_etiquette_; }
  void SetLabelColor(std::int32_t valeur);
  QFont LabelFont() const;
  void SetLabelFont(const QFont& valeur);
  std::int32_t LabelFontColor() const { return couleur_texte_; }
  void SetLabelFontColor(std::int32_t valeur);
  QString LabelHint() const;
  void SetLabelHint(const QString& valeur);

  // The label's text, as a QLabel's.
  QString text() const { return LabelCaption(); }
  void setText(const QString& valeur) { SetLabelCaption(valeur); }

  TJvGradient* Gradient() const { return gradient_; }
  QLabel* Label() const { return etiquette_; }

  QSize sizeHint() const override { return {largeur_initiale, hauteur_initiale}; }

 protected:
  void resizeEvent(QResizeEvent* evenement) override;
  // A font or text given to the label directly lays it out again too.
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void disposer();
  void peindre_etiquette();

  TJvGradient* gradient_;
  QLabel* etiquette_;
  int marge_ = 0;
  int haut_ = 0;
  std::int32_t couleur_etiquette_;
  std::int32_t couleur_texte_;
};
