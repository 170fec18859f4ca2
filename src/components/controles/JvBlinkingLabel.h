#pragma once
// A label whose text blinks: shown for BlinkingDelay at first, then hidden
// for BlinkingDelay and shown for BlinkingTime in turn. With Blinking off
// the text stays shown.

#include <QTimer>

#include "components/controles/JvLabel.h"

class TJvBlinkingLabel : public TJvLabel {
  Q_OBJECT

 public:
  static constexpr int delai_initial = 400;
  static constexpr int duree_initiale = 200;

  explicit TJvBlinkingLabel(QWidget* parent = nullptr);

  bool Blinking() const { return blinking_; }
  // Starts again from the shown phase.
  void SetBlinking(bool valeur);
  int BlinkingDelay() const { return delai_; }
  void SetBlinkingDelay(int valeur) { delai_ = valeur; }
  int BlinkingTime() const { return duree_; }
  void SetBlinkingTime(int valeur) { duree_ = valeur; }

  bool TexteMontre() const { return montre_; }
  const QTimer& Minuterie() const { return minuterie_; }
  // One tick of the timer: the other phase, for its duration.
  void Clignoter();

 protected:
  void paintEvent(QPaintEvent* evenement) override;

 private:
  bool blinking_ = true;
  int delai_ = delai_initial;
  int duree_ = duree_initiale;
  bool montre_ = true;
  QTimer minuterie_;
};
