#pragma once
// A graphic push button: a glyph strip and a caption, a flat or raised
// frame, groups of buttons of which one is down, auto-repeat while held and
// a drop-down menu.

#include <QWidget>

#include <memory>

#include "components/jvx/JvButtonGlyph.h"

class MinuterieJv;
class QMenu;

enum class TJvDropDownMenuPos { dmpBottom, dmpRight };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TJvxSpeedButton : public QWidget {
  Q_OBJECT

 public:
  static constexpr int taille_initiale = 25;
  static constexpr int pause_initiale = 500;
  static constexpr int intervalle_repetition = 100;
  // How long a click by code shows the button down.
  static constexpr int duree_clic_code = 20;
  static constexpr int espacement_initial = 4;

  explicit TJvxSpeedButton(QWidget* parent = nullptr);
  ~TJvxSpeedButton() override;

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  TJvButtonGlyph& Glyph() { return glyph_; }
  void SetGlyph(const QImage& glyph);
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int nombre);

  bool Flat() const { return flat_; }
  void SetFlat(bool valeur);
  // The flat-standard style: a raised frame that sinks when pressed, drawn
  // whether or not the pointer is over the button.
  bool FlatStandard() const { return flat_standard_; }
  void SetFlatStandard(bool valeur);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool valeur);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int valeur);
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool valeur) { allow_all_up_ = valeur; }
  bool Down() const { return down_; }
  void SetDown(bool valeur);
  bool AllowTimer() const { return allow_timer_; }
  void SetAllowTimer(bool valeur);
  int InitPause() const { return init_pause_; }
  void SetInitPause(int valeur) { init_pause_ = valeur; }
  int RepeatInterval() const { return repeat_interval_; }
  void SetRepeatInterval(int valeur) { repeat_interval_ = valeur; }
  QMenu* DropDownMenu() const { return drop_down_menu_; }
  void SetDropDownMenu(QMenu* menu) { drop_down_menu_ = menu; }
  TJvDropDownMenuPos MenuPosition() const { return menu_position_; }
  void SetMenuPosition(TJvDropDownMenuPos valeur) { menu_position_ = valeur; }
  bool MarkDropDown() const { return mark_drop_down_; }
  void SetMarkDropDown(bool valeur);
  bool GrayedInactive() const { return grayed_inactive_; }
  void SetGrayedInactive(bool valeur);
  bool GrayNewStyle() const { return glyph_.GrayNewStyle(); }
  void SetGrayNewStyle(bool valeur);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool valeur);
  // Glyph and caption: the glyph on the side `Layout` names, `Spacing`
  // pixels from the caption, the block `Margin` pixels from that side's edge
  // (-1 centres it).
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout valeur);
  int Margin() const { return margin_; }
  void SetMargin(int valeur);
  int Spacing() const { return spacing_; }
  void SetSpacing(int valeur);
  // Of the caption's lines within its room.
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment valeur);

  TJvButtonState State() const { return state_; }
  bool MouseInside() const { return mouse_inside_; }
  // Shows the button down for duree_clic_code ms, toggles Down in a group
  // and raises Click at once.
  void ButtonClick();
  // The caption as painted: shortened with "..." to the room it has.
  QString CaptionAffichee() const;
  // Where the glyph is drawn while the button is up.
  QPoint PositionGlyphe() const;

  QSize sizeHint() const override { return {taille_initiale, taille_initiale}; }

 signals:
  void Click();
  void MouseEnter();
  void MouseLeave();

 protected:
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void mouseDoubleClickEvent(QMouseEvent* evenement) override;
  void enterEvent(QEnterEvent* evenement) override;
  void leaveEvent(QEvent* evenement) override;
  void changeEvent(QEvent* evenement) override;
  void paintEvent(QPaintEvent* evenement) override;

  // Over the button while dragging: the bottom edge counts, the right edge
  // does not.
  bool Dessus(QPoint point) const;
  void DefinirEtat(TJvButtonState etat);
  // The state of a released button.
  TJvButtonState EtatRelache() const;

 private:
  struct Disposition {
    QPoint glyphe;
    QRect texte;
  };
  Disposition Disposer(QRect place, QSize glyphe, QSize texte) const;
  void TicRepetition();
  void MontrerMenu();
  void PeindreCadre(QPainter& peintre, QRect& zone);
  void PeindreContenu(QPainter& peintre, QRect zone);
  void PeindreMarque(QPainter& peintre, QRect zone, QPoint decalage);
  void GroupeRelache();

  QString caption_;
  TJvButtonGlyph glyph_;
  TJvButtonState state_ = TJvButtonState::bsUp;
  bool flat_ = false;
  bool flat_standard_ = false;
  bool transparent_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool down_ = false;
  bool allow_timer_ = false;
  int init_pause_ = pause_initiale;
  int repeat_interval_ = intervalle_repetition;
  QMenu* drop_down_menu_ = nullptr;
  TJvDropDownMenuPos menu_position_ = TJvDropDownMenuPos::dmpBottom;
  bool mark_drop_down_ = false;
  bool grayed_inactive_ = false;
  bool word_wrap_ = false;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = espacement_initial;
  Qt::Alignment alignment_ = Qt::AlignHCenter;
  bool dragging_ = false;
  bool mouse_inside_ = false;
  bool menu_tracking_ = false;
  std::unique_ptr<MinuterieJv> repeat_timer_;
  std::unique_ptr<MinuterieJv> click_timer_;
};
