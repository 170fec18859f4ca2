#pragma once
// The pocket-calculator panel with its keys, the compact panel of the
// pop-up, and the pop-up window that holds it.

#include <QFrame>
#include <QPointer>

#include <functional>
#include <vector>

#include "components/calculatrice/noyau_calculatrice.h"
#include "components/jvx/JvToolEdit.h"
#include "components/jvx/JvxCtrls.h"

// The kinds of keys: 1-10 the digits 0-9, then the sign, the decimal
// separator, the operators, the functions, back, clear, the memory keys, OK
// and Cancel.
enum TJvCalcBtnKind : int {
  cbNone = 0,
  cbNum0 = 1,
  cbNum9 = 10,
  cbSgn = 11,
  cbDcm = 12,
  cbDiv = 13,
  cbMul = 14,
  cbSub = 15,
  cbAdd = 16,
  cbSqr = 17,
  cbPcnt = 18,
  cbRev = 19,
  cbEql = 20,
  cbBck = 21,
  cbClr = 22,
  cbMP = 23,
  cbMS = 24,
  cbMR = 25,
  cbMC = 26,
  cbOk = 27,
  cbCancel = 28,
};

// A key of the pop-up layout: its caption, the key it sends, its font colour
// and its place on the panel.
struct TouchePopup {
  TJvCalcBtnKind kind;
  QString caption;
  char cle;
  QColor couleur;  // invalid: the button-text colour
  QRect place;
};
// The 22 keys of the pop-up layout, kinds 1 to 22 in order.
const std::vector<TouchePopup>& touches_popup();

class TJvCalculatorPanel;

class TJvCalcButton : public TJvxSpeedButton {
  Q_OBJECT

 public:
  TJvCalcButton(TJvCalcBtnKind kind, QWidget* parent);
  TJvCalcBtnKind Kind() const { return kind_; }
  // The digit of a digit key.
  int Tag() const { return tag_; }

 private:
  TJvCalcBtnKind kind_;
  int tag_ = -1;
};

class TJvCalculatorPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TJvCalculatorPanel(QWidget* parent = nullptr);

  NoyauCalculatrice& Noyau() { return noyau_; }
  const QString DisplayText() const;
  double DisplayValue() const { return noyau_.valeur_affichee(); }
  void SetDisplayValue(double valeur) { noyau_.afficher(valeur); }
  int Precision() const { return noyau_.precision(); }
  void SetPrecision(int valeur) { noyau_.definir_precision(valeur); }
  bool BeepOnError() const { return noyau_.bip_sur_erreur(); }
  void SetBeepOnError(bool valeur) { noyau_.definir_bip_sur_erreur(valeur); }
  // The control that mirrors the display text: a line edit or a label.
  void SetDisplayControl(QWidget* controle) { display_control_ = controle; }
  // May change a key before the routine sees it.
  std::function<void(char&)> OnCalcKey;

  // The key routine, and the keys that are no characters.
  void CalcKey(char cle);
  void ExecuteKind(TJvCalcBtnKind kind);
  void Clear() { noyau_.effacer(); }
  // The key that types `cle` (upper-cased): "." and "," and the decimal
  // separator give the decimal key, Return "="; none for other characters.
  TJvCalcButton* Button(char cle);
  const std::vector<TJvCalcButton*>& Buttons() const { return buttons_; }

 signals:
  void Result();
  void Error();
  void Ok();
  void Cancel();
  void DisplayChange();

 protected:
  TJvCalcButton* AddButton(TJvCalcBtnKind kind);

 private:
  NoyauCalculatrice noyau_;
  QPointer<QWidget> display_control_;
  std::vector<TJvCalcButton*> buttons_;
};

// The compact panel of the pop-up: 131 x 124, 21 x 21 keys, raised outer bevel.
class TJvLocCalculator : public TJvCalculatorPanel {
  Q_OBJECT

 public:
  static constexpr int largeur = 131;
  static constexpr int hauteur = 124;

  explicit TJvLocCalculator(QWidget* parent = nullptr);
};

class TJvPopupCalculator : public TJvPopupWindow {
  Q_OBJECT

 public:
  static constexpr int largeur = 137;
  static constexpr int hauteur = 127;
  static constexpr int precision = 15;

  explicit TJvPopupCalculator(TJvCustomComboEdit* edit);

  TJvLocCalculator* Calculator() const { return calc_; }
  // No value (invalid) shows 0; the calculator is then ready with "=" pending.
  void SetValue(const QVariant& valeur) override;
  // The displayed value; none in the error state (with a beep).
  QVariant GetValue() const override;
  // Clicks the key of a typed character; false when no key types it.
  bool ClickKey(char cle);

 private:
  void Resultat();

  TJvLocCalculator* calc_;
};
