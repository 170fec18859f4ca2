#pragma once
// The timers of the controls (the speed button's repeat, the 20 ms look of a
// key clicked by code) behind one small interface, so that tests drive them
// by hand instead of waiting.

#include <functional>
#include <memory>

class MinuterieJv {
 public:
  virtual ~MinuterieJv() = default;
  // Starts (or restarts) ticking every `millisecondes`.
  virtual void Demarrer(int millisecondes) = 0;
  virtual void Arreter() = 0;
  virtual bool Active() const = 0;
  virtual int Intervalle() const = 0;
  // Raised at each tick.
  std::function<void()> echeance;
};

using FabriqueMinuterie = std::function<std::unique_ptr<MinuterieJv>()>;

// A new timer: a QTimer unless a test installed its own maker.
std::unique_ptr<MinuterieJv> nouvelle_minuterie();
// Installs a maker of timers (an empty one restores the QTimer) and returns
// the previous one.
FabriqueMinuterie installer_fabrique_minuterie(FabriqueMinuterie fabrique);
