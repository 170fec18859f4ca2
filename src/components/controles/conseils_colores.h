#pragma once
// The tooltips' background while the pointer is over a control with a hint
// colour of its own: the control's colour when the pointer comes in, the
// one tooltips had before when it leaves.

#include <QColor>

#include <cstdint>

class ConseilsColores {
 public:
  // Tooltips take `couleur` (a colour value, platform/couleur_qt.h) and the
  // colour they had is kept. False, and nothing done, when the pointer is
  // already inside.
  bool entrer(std::int32_t couleur);
  // Tooltips get back the colour kept. False, and nothing done, when the
  // pointer is not inside.
  bool sortir();

 private:
  QColor sauvee_;
  bool dedans_ = false;
};
