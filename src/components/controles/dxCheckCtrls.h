#pragma once
// The flat check box: a small gradient box with a green check mark and its
// caption beside it. It is a QCheckBox: a click anywhere on it toggles it and
// emits clicked; setChecked emits no click.

#include <QCheckBox>

#include "components/controles/dxCore.h"
#include "components/controles/dxCoreUtils.h"

class TdxCheckbox : public QCheckBox, public TdxCustomControl {
  Q_OBJECT

 public:
  static constexpr int largeur_initiale = 161;
  static constexpr int hauteur_initiale = 17;
  static constexpr int cote_case = 13;
  static constexpr int gauche_case = 3;

  explicit TdxCheckbox(QWidget* parent = nullptr);

  TdxBoundLines BoundLines() const { return bound_lines_; }
  void SetBoundLines(TdxBoundLines valeur);
  int Spacing() const { return spacing_; }
  void SetSpacing(int valeur);

  // The box, inside the control.
  QRect RectCase() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  bool hitButton(const QPoint& point) const override;
  void enterEvent(QEnterEvent* evenement) override;
  void leaveEvent(QEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void focusInEvent(QFocusEvent* evenement) override;
  void focusOutEvent(QFocusEvent* evenement) override;
  void changeEvent(QEvent* evenement) override;

 private:
  void dessiner_case(QPainter& peintre) const;

  TdxBoundLines bound_lines_ = 0;
  int spacing_ = 3;
};
