#pragma once
// A flat panel that holds other controls: a colour, bound lines along some
// of its edges, an optional glyph and caption, and a paint hook on its inner
// rectangle. Its Enabled is its own: with emAffectChilds it is handed to each
// child control; with emNormal only the container changes (its children
// stay usable).

#include <QImage>
#include <QWidget>

#include <cstdint>

#include "components/controles/dxCore.h"
#include "components/controles/dxCoreUtils.h"

class TdxContainer : public QWidget, public TdxCustomControl {
  Q_OBJECT

 public:
  static constexpr int largeur_initiale = 185;
  static constexpr int hauteur_initiale = 41;

  explicit TdxContainer(QWidget* parent = nullptr);

  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment valeur);
  // The vertical place of the caption: top, centre or bottom.
  Qt::Alignment Layout() const { return layout_; }
  void SetLayout(Qt::Alignment valeur);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int valeur);
  // Colour values (platform/couleur_qt.h).
  std::int32_t BoundColor() const { return bound_color_; }
  void SetBoundColor(std::int32_t valeur);
  std::int32_t Color() const { return color_; }
  void SetColor(std::int32_t valeur);
  TdxBoundLines BoundLines() const { return bound_lines_; }
  void SetBoundLines(TdxBoundLines valeur);
  bool ShowBoundLines() const { return show_bound_lines_; }
  void SetShowBoundLines(bool valeur);
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& valeur);
  bool ShowCaption() const { return show_caption_; }
  void SetShowCaption(bool valeur);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool valeur);
  int Spacing() const { return spacing_; }
  void SetSpacing(int valeur);
  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& valeur);
  TdxGlyphLayout GlyphLayout() const { return glyph_layout_; }
  void SetGlyphLayout(TdxGlyphLayout valeur);
  TdxEnabledMode EnabledMode() const { return enabled_mode_; }
  void SetEnabledMode(TdxEnabledMode valeur) { enabled_mode_ = valeur; }

  // The container's own Enabled (see above); never QWidget::setEnabled on
  // the container itself under emNormal.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool valeur);
  // Whether the container itself takes the focus (not by default).
  bool Focusable() const { return focusPolicy() != Qt::NoFocus; }
  void SetFocusable(bool valeur) { setFocusPolicy(valeur ? Qt::StrongFocus : Qt::NoFocus); }

  // The client less the border and the shown bound lines.
  QRect InnerRect() const;

 signals:
  void EnabledChanged();
  void DblClick();
  void Resize();
  // Inside each paint, after the lines: the inner rectangle, the painter and
  // the container's font.
  void Paint(const QRect& rect, QPainter* peintre, const QFont& police);

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void mouseDoubleClickEvent(QMouseEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;

 private:
  void ajuster();

  Qt::Alignment alignment_ = Qt::AlignHCenter;
  Qt::Alignment layout_ = Qt::AlignVCenter;
  int border_width_ = 0;
  std::int32_t bound_color_;
  std::int32_t color_;
  TdxBoundLines bound_lines_ = 0;
  bool show_bound_lines_ = true;
  QString caption_;
  bool show_caption_ = false;
  bool word_wrap_ = false;
  int spacing_ = 5;
  QImage glyph_;
  TdxGlyphLayout glyph_layout_ = TdxGlyphLayout::glCenter;
  TdxEnabledMode enabled_mode_ = TdxEnabledMode::emNormal;
  bool enabled_ = true;
};
