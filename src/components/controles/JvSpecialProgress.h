#pragma once
// A progress bar drawn by itself: a position between Minimum and Maximum as
// a solid bar or a row of blocks, flat or in a colour gradient, with an
// optional text (the caption, the percentage, or the caption with the
// percentage put in its "%d").

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>

#include "components/controles/conseils_colores.h"

enum class TJvTextOption { toCaption, toFormat, toNoText, toPercent };
enum class TJvBorderStyle { bsNone, bsSingle };

class TJvSpecialProgress : public QWidget {
  Q_OBJECT

 public:
  static constexpr int largeur_initiale = 150;
  static constexpr int hauteur_initiale = 15;

  explicit TJvSpecialProgress(QWidget* parent = nullptr);

  int Maximum() const { return maximum_; }
  int Minimum() const { return minimum_; }
  int Position() const { return position_; }
  // Maximum is kept at or above Minimum, Minimum at or below Maximum, and
  // Position inside both.
  void SetMaximum(int valeur);
  void SetMinimum(int valeur);
  void SetPosition(int valeur);

  bool Solid() const { return solid_; }
  void SetSolid(bool valeur);
  bool GradientBlocks() const { return gradient_blocks_; }
  void SetGradientBlocks(bool valeur);
  bool TextCentered() const { return text_centered_; }
  void SetTextCentered(bool valeur);
  TJvTextOption TextOption() const { return text_option_; }
  void SetTextOption(TJvTextOption valeur);
  TJvBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TJvBorderStyle valeur);
  int Step() const { return step_; }
  void SetStep(int valeur) { step_ = valeur; }

  // Colour values (platform/couleur_qt.h).
  std::int32_t StartColor() const { return start_color_; }
  void SetStartColor(std::int32_t valeur);
  std::int32_t EndColor() const { return end_color_; }
  void SetEndColor(std::int32_t valeur);
  std::int32_t Color() const { return color_; }
  void SetColor(std::int32_t valeur);
  // The tooltip background while the pointer is over the bar.
  std::int32_t HintColor() const { return hint_color_; }
  void SetHintColor(std::int32_t valeur) { hint_color_ = valeur; }

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& valeur);

  // The share of the range covered, truncated; 0 on an empty range.
  int Pourcentage() const;
  // The text the bar shows.
  QString Texte() const;
  // The filled width in pixels, after the block rounding.
  int Rempli() const { return rempli_; }

  QSize sizeHint() const override { return {largeur_initiale, hauteur_initiale}; }

 signals:
  void MouseEnter();
  void MouseLeave();

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;
  void changeEvent(QEvent* evenement) override;
  void enterEvent(QEnterEvent* evenement) override;
  void leaveEvent(QEvent* evenement) override;

 private:
  void modifie();
  void calculer_rempli();
  void redessiner();
  void dessiner_plein(class QPainter& peintre) const;
  void dessiner_blocs(class QPainter& peintre) const;
  void dessiner_texte(class QPainter& peintre) const;
  void dessiner_bord(class QPainter& peintre) const;
  // The colour `colonne` pixels into a fill of `rempli_` pixels.
  QColor couleur_colonne(int colonne) const;

  int maximum_ = 100;
  int minimum_ = 0;
  int position_ = 0;
  bool solid_ = false;
  bool gradient_blocks_ = false;
  bool text_centered_ = false;
  TJvTextOption text_option_ = TJvTextOption::toNoText;
  TJvBorderStyle border_style_ = TJvBorderStyle::bsNone;
  int step_ = 10;
  std::int32_t start_color_;
  std::int32_t end_color_;
  std::int32_t color_;
  std::int32_t hint_color_;
  QString caption_;

  int rempli_ = 0;
  int largeur_bloc_ = 0;
  int blocs_ = 0;
  int largeur_partielle_ = 0;
  bool bloc_partiel_ = false;
  QImage image_;
  ConseilsColores conseils_;
};
