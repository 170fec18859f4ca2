#pragma once
// An edit that holds a floating-point value: it shows the value formatted
// while it has no focus and a plain number while typing, refuses what is no
// number, and in its calculator form computes the value in a pop-up
// calculator.

#include "components/calculatrice/valeur_numerique.h"
#include "components/jvx/JvToolEdit.h"

class TJvPopupCalculator;

class TJvCustomNumEdit : public TJvCustomComboEdit {
  Q_OBJECT

 public:
  explicit TJvCustomNumEdit(QWidget* parent = nullptr);

  // Reading takes a text typed since the value was last set into the value.
  double Value();
  void SetValue(double valeur);
  double MinValue() const { return regles_.minimum; }
  void SetMinValue(double valeur);
  double MaxValue() const { return regles_.maximum; }
  void SetMaxValue(double valeur);
  int DecimalPlaces() const { return regles_.decimales; }
  void SetDecimalPlaces(int valeur);
  QString DisplayFormat() const;
  void SetDisplayFormat(const QString& format);
  bool DecimalPlaceRound() const { return regles_.arrondi_decimales; }
  void SetDecimalPlaceRound(bool valeur);
  bool ZeroEmpty() const { return regles_.zero_vide; }
  void SetZeroEmpty(bool valeur);
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment valeur);
  bool BeepOnError() const { return beep_on_error_; }
  void SetBeepOnError(bool valeur) { beep_on_error_ = valeur; }
  bool FormatOnEditing() const { return format_on_editing_; }
  void SetFormatOnEditing(bool valeur) { format_on_editing_ = valeur; }
  bool CheckOnExit() const { return check_on_exit_; }
  void SetCheckOnExit(bool valeur) { check_on_exit_ = valeur; }
  // Text written by the program: read as a number, checked and stored.
  void SetText(const QString& texte);

  // The texts of the value: while typing, and while the edit has no focus.
  QString EditText() const;
  QString DisplayText() const;

 protected:
  QImage DefaultGlyph() const override;
  QVariant ValeurPourPopup() const override;
  bool AcceptPopup(const QVariant& valeur) const override;
  void AcceptValue(const QVariant& valeur) override;
  // The text painted in place of the edit's own.
  virtual QString TexteAffiche() const;

  void keyPressEvent(QKeyEvent* evenement) override;
  void focusInEvent(QFocusEvent* evenement) override;
  void focusOutEvent(QFocusEvent* evenement) override;
  void paintEvent(QPaintEvent* evenement) override;

 private:
  void Rafraichir();
  void Refuser();
  bool Inserer(const QString& ajout);
  void Coller();
  void ReformaterSaisie();
  double ValeurDuTexte() const;

  ReglesNumeriques regles_;
  double value_ = 0;
  Qt::Alignment alignment_ = Qt::AlignRight;
  bool beep_on_error_ = true;
  bool format_on_editing_ = false;
  bool check_on_exit_ = false;
  bool texte_saisi_ = false;
  bool formatting_ = false;
};

class TJvCustomCalcEdit : public TJvCustomNumEdit {
  Q_OBJECT

 public:
  explicit TJvCustomCalcEdit(QWidget* parent = nullptr);
  TJvPopupCalculator* Calculator() const { return calculatrice_; }

 protected:
  bool ClePopup(QKeyEvent* evenement) override;
  QString TexteAffiche() const override;

 private:
  TJvPopupCalculator* calculatrice_;
};

class TJvCalcEdit : public TJvCustomCalcEdit {
  Q_OBJECT

 public:
  explicit TJvCalcEdit(QWidget* parent = nullptr) : TJvCustomCalcEdit(parent) {}
};
