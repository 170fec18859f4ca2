#pragma once
// A line edit with a button at its right edge that opens a pop-up window,
// the button, and the base of those pop-ups.

#include <QFrame>
#include <QKeySequence>
#include <QLineEdit>
#include <QVariant>

#include <functional>

#include "components/jvx/JvxCtrls.h"

class TJvCustomComboEdit;

enum class TJvPopupAlign { epaRight, epaLeft };
enum class TJvGlyphKind { gkCustom, gkDefault, gkDropDown, gkEllipsis };
enum TJvClipboardCommand : unsigned { caCopy = 1u << 0, caCut = 1u << 1, caPaste = 1u << 2, caUndo = 1u << 3 };

// Where a pop-up of `popup` size opens for an edit at `edit` (screen
// coordinates) on a screen whose available area is `ecran`: below the edit,
// or above when it would leave the bottom; against the edit's right edge
// (epaRight, or its left edge when that would leave the screen) or its left
// edge (epaLeft, moved left when it would leave the screen); always within
// the screen.
QPoint PositionPopup(const QRect& edit, QSize popup, const QRect& ecran, TJvPopupAlign alignement);

// The base of pop-ups: a Qt::Popup window with a border that asks its edit to
// close it, accepting or not. Keys reach it while it is open and act as in
// the edit.
class TJvPopupWindow : public QFrame {
  Q_OBJECT

 public:
  explicit TJvPopupWindow(TJvCustomComboEdit* edit);

  // The value handed by the edit when opening (an empty text: no value), and
  // the one taken back when closing (no value: nothing to write).
  virtual void SetValue(const QVariant& valeur) = 0;
  virtual QVariant GetValue() const = 0;
  // Asks the edit to close the pop-up.
  void CloseUp(bool accepter);
  TJvCustomComboEdit* Edit() const { return edit_; }

 protected:
  void mousePressEvent(QMouseEvent* evenement) override;
  void keyPressEvent(QKeyEvent* evenement) override;
  void hideEvent(QHideEvent* evenement) override;

 private:
  TJvCustomComboEdit* edit_;
};

// The edit's button: a speed button that closes an open pop-up on a press
// (accepting) without opening it again.
class TJvEditButton : public TJvxSpeedButton {
  Q_OBJECT

 public:
  explicit TJvEditButton(TJvCustomComboEdit* edit);
  TJvGlyphKind Kind() const { return kind_; }
  void SetKind(TJvGlyphKind kind);

 protected:
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void paintEvent(QPaintEvent* evenement) override;

 private:
  TJvCustomComboEdit* edit_;
  TJvGlyphKind kind_ = TJvGlyphKind::gkCustom;
  bool avaler_clic_ = false;
};

class TJvCustomComboEdit : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int largeur_bouton = 21;

  explicit TJvCustomComboEdit(QWidget* parent = nullptr);
  ~TJvCustomComboEdit() override;

  TJvEditButton* Button() const { return button_; }
  TJvPopupWindow* Popup() const { return popup_; }
  bool PopupVisible() const;

  const QKeySequence& ClickKey() const { return click_key_; }
  void SetClickKey(const QKeySequence& cle) { click_key_ = cle; }
  bool DirectInput() const { return direct_input_; }
  void SetDirectInput(bool valeur);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool valeur);
  unsigned ClipBoardCommands() const { return clipboard_commands_; }
  void SetClipBoardCommands(unsigned valeur) { clipboard_commands_ = valeur; }
  TJvPopupAlign PopupAlign() const { return popup_align_; }
  void SetPopupAlign(TJvPopupAlign valeur) { popup_align_ = valeur; }
  TJvGlyphKind GlyphKind() const { return glyph_kind_; }
  void SetGlyphKind(TJvGlyphKind valeur);
  int ButtonWidth() const { return button_width_; }
  // Below 2 the button is hidden and the text reaches the right edge.
  void SetButtonWidth(int valeur);
  void SetGlyph(const QImage& glyph);
  void SetNumGlyphs(int nombre);
  int NumGlyphs() const { return button_->NumGlyphs(); }
  const QString& ButtonHint() const { return button_hint_; }
  void SetButtonHint(const QString& hint);
  QColor DisabledColor() const { return disabled_color_; }
  void SetDisabledColor(QColor couleur);
  QColor DisabledTextColor() const { return disabled_text_color_; }
  void SetDisabledTextColor(QColor couleur);
  bool HasFocus() const { return has_focus_; }

  // What a click of the button does: ButtonClick, then the pop-up opened, or
  // closed accepting when it is open.
  void DoClick();
  void PopupDropDown(bool desactiver_saisie);
  void PopupCloseUp(bool accepter);

  // The rectangle the text may use: it ends where the button begins.
  QRect ZoneTexte() const;

 signals:
  void ButtonClick();
  // A change of the text written back from the pop-up.
  void Change();

 protected:
  // The pop-up: made by the derived class, owned by the edit.
  void SetPopup(TJvPopupWindow* popup) { popup_ = popup; }
  // The image of the default glyph kind.
  virtual QImage DefaultGlyph() const { return {}; }
  // Whether the pop-up's value may be written into the text.
  virtual bool AcceptPopup(const QVariant& valeur) const { return valeur.isValid(); }
  // Writes the accepted value into the text.
  virtual void AcceptValue(const QVariant& valeur);
  // The value handed to the pop-up when it opens.
  virtual QVariant ValeurPourPopup() const;
  // Keys typed while the pop-up is open, after Return and Escape; true when taken.
  virtual bool ClePopup(QKeyEvent*) { return false; }

  void keyPressEvent(QKeyEvent* evenement) override;
  void focusInEvent(QFocusEvent* evenement) override;
  void focusOutEvent(QFocusEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;
  void changeEvent(QEvent* evenement) override;

 private:
  friend class TJvPopupWindow;
  friend class TJvEditButton;
  void PlacerBouton();
  void AppliquerLectureSeule();
  void AppliquerCouleursInactives();
  bool ClipboardAutorise(QKeyEvent* evenement) const;

  TJvEditButton* button_;
  TJvPopupWindow* popup_ = nullptr;
  QKeySequence click_key_{Qt::ALT | Qt::Key_Down};
  bool direct_input_ = true;
  bool read_only_ = false;
  bool popup_visible_ = false;
  bool has_focus_ = false;
  unsigned clipboard_commands_ = caCopy | caCut | caPaste | caUndo;
  TJvPopupAlign popup_align_ = TJvPopupAlign::epaRight;
  TJvGlyphKind glyph_kind_ = TJvGlyphKind::gkCustom;
  int button_width_ = largeur_bouton;
  QString button_hint_;
  QColor disabled_color_;
  QColor disabled_text_color_;
};
