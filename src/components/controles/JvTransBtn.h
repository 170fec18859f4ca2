#pragma once
// A button without a background of its own: a caption, an optional glyph
// and a frame drawn over whatever lies behind it. The frame rises while the
// pointer is over the button and sinks while it is pressed; the caption and
// glyph move by Offset while pressed.
//
// Mouse: pressing sinks it; moving off lifts it, and coming back does not
// press it again; releasing over it clicks.

#include <QAbstractButton>
#include <QImage>

#include <cstdint>

class QMenu;

enum class TJvFrameStyle { fsRegular, fsIndent, fsExplorer, fsNone, fsLight, fsDark, fsMono };
enum class TJvTextAlign {
  ttaTopLeft, ttaTop, ttaTopRight, ttaRight, ttaBottomRight, ttaBottom, ttaBottomLeft, ttaLeft, ttaCenter
};

class TJvTransparentButton : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr int cote_initial = 40;

  explicit TJvTransparentButton(QWidget* parent = nullptr);

  bool AutoGray() const { return auto_gray_; }
  void SetAutoGray(bool valeur);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int valeur);
  // A colour value (platform/couleur_qt.h): the face when not Transparent.
  std::int32_t Color() const { return color_; }
  void SetColor(std::int32_t valeur);
  // Held down whatever the mouse does.
  bool Down() const { return down_; }
  void SetDown(bool valeur);
  // A flat button shows its up frame only while the pointer is over it.
  bool Flat() const { return flat_; }
  void SetFlat(bool valeur);
  TJvFrameStyle FrameStyle() const { return frame_style_; }
  void SetFrameStyle(TJvFrameStyle valeur);
  // Up to four images side by side: up, disabled, down, grey.
  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& valeur);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int valeur);
  int Offset() const { return offset_; }
  void SetOffset(int valeur);
  bool ShowPressed() const { return show_pressed_; }
  void SetShowPressed(bool valeur);
  int Spacing() const { return spacing_; }
  void SetSpacing(int valeur);
  TJvTextAlign TextAlign() const { return text_align_; }
  void SetTextAlign(TJvTextAlign valeur);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool valeur);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool valeur);
  // Pops up under the button when the left button presses it.
  QMenu* DropDownMenu() const { return menu_; }
  void SetDropDownMenu(QMenu* valeur) { menu_ = valeur; }

  // Sunk: pressed by the mouse or the keyboard, or held Down.
  bool Enfonce() const;
  bool SourisDedans() const { return souris_dedans_; }
  // The glyph image shown in the present state; empty without a glyph.
  QImage ImageGlyphe() const;

  QSize sizeHint() const override { return {cote_initial, cote_initial}; }

 signals:
  void MouseEnter();
  void MouseExit();

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void enterEvent(QEnterEvent* evenement) override;
  void leaveEvent(QEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void changeEvent(QEvent* evenement) override;
  bool hitButton(const QPoint& point) const override;

 private:
  void dessiner_cadre(QPainter& peintre) const;
  void dessiner_legende(QPainter& peintre, QRect zone) const;
  QImage image_etat(int indice) const;
  QImage image_desactivee() const;
  QImage image_grise() const;

  bool auto_gray_ = true;
  int border_width_ = 1;
  std::int32_t color_;
  bool down_ = false;
  bool flat_ = true;
  TJvFrameStyle frame_style_ = TJvFrameStyle::fsExplorer;
  QImage glyph_;
  int num_glyphs_ = 1;
  int offset_ = 1;
  bool show_pressed_ = true;
  int spacing_ = 2;
  TJvTextAlign text_align_ = TJvTextAlign::ttaCenter;
  bool transparent_ = true;
  bool word_wrap_ = false;
  QMenu* menu_ = nullptr;

  bool presse_ = false;
  bool souris_dedans_ = false;
};
