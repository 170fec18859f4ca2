#pragma once
// The flat push button: a rounded frame over a gradient body that turns blue
// while the pointer is over the button or it has the focus, and sinks while
// it is pressed. It is a QPushButton, so clicks, Space and Alt+mnemonic work
// as on any button.

#include <QImage>
#include <QPointer>
#include <QPushButton>

#include "components/controles/dxCore.h"

class QAction;

class TdxButton : public QPushButton, public TdxCustomControl {
  Q_OBJECT

 public:
  static constexpr int largeur_initiale = 73;
  static constexpr int hauteur_initiale = 21;

  explicit TdxButton(QWidget* parent = nullptr);

  bool AutoGray() const { return auto_gray_; }
  void SetAutoGray(bool valeur);
  // Stored; Default also highlights the button.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool valeur) { cancel_ = valeur; }
  bool Default() const { return default_; }
  void SetDefault(bool valeur);
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int valeur) { modal_result_ = valeur; }
  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& valeur);
  TdxLayout Layout() const { return layout_; }
  void SetLayout(TdxLayout valeur);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool valeur);
  bool ShowFocusRect() const { return show_focus_rect_; }
  void SetShowFocusRect(bool valeur);
  bool SmoothEdges() const { return smooth_edges_; }
  void SetSmoothEdges(bool valeur);
  int Spacing() const { return spacing_; }
  void SetSpacing(int valeur);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool valeur);

  // The button follows the action's caption, state, hint, visibility and
  // icon, and a click triggers it.
  QAction* Action() const { return action_; }
  void SetAction(QAction* action);

  // Highlighted: held with the pointer gone, or under the pointer or
  // focused while not held, or Default.
  bool Surligne() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void enterEvent(QEnterEvent* evenement) override;
  void leaveEvent(QEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void focusInEvent(QFocusEvent* evenement) override;
  void focusOutEvent(QFocusEvent* evenement) override;
  void changeEvent(QEvent* evenement) override;

 private:
  void suivre_action();
  QImage glyphe_montre() const;
  void dessiner_legende(QPainter& peintre, bool enfonce) const;

  bool auto_gray_ = true;
  bool cancel_ = false;
  bool default_ = false;
  int modal_result_ = 0;
  QImage glyph_;
  TdxLayout layout_ = TdxLayout::blGlyphLeft;
  bool show_accel_char_ = true;
  bool show_focus_rect_ = false;
  bool smooth_edges_ = true;
  int spacing_ = 3;
  bool word_wrap_ = true;
  QPointer<QAction> action_;
  QMetaObject::Connection lien_action_;
  QMetaObject::Connection clic_action_;
};
