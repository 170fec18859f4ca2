#pragma once
// A control filled with a colour gradient of one of six shapes, painted once
// into a picture kept for as long as the control keeps its size.

#include <QImage>
#include <QWidget>

#include <cstdint>

enum class TGradStyle { grFilled, grEllipse, grHorizontal, grVertical, grPyramid, grMount };

class TJvGradient : public QWidget {
  Q_OBJECT

 public:
  explicit TJvGradient(QWidget* parent = nullptr);

  TGradStyle Style() const { return style_; }
  void SetStyle(TGradStyle valeur);
  // Colour values (platform/couleur_qt.h).
  std::int32_t StartColor() const { return start_color_; }
  void SetStartColor(std::int32_t valeur);
  std::int32_t EndColor() const { return end_color_; }
  void SetEndColor(std::int32_t valeur);
  // Steps below 1 fill the control with StartColor.
  int Steps() const { return steps_; }
  void SetSteps(int valeur);

  // The gradient at a given size, as the control paints it.
  QImage Dessin(QSize taille) const;

 protected:
  void paintEvent(QPaintEvent* evenement) override;

 private:
  void change();

  TGradStyle style_ = TGradStyle::grHorizontal;
  std::int32_t start_color_;
  std::int32_t end_color_;
  int steps_ = 100;
  QImage image_;
};
