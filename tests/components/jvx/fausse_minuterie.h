#pragma once
// Timers the test fires by hand: every timer the controls make while one
// of these guards lives is recorded, in order.

#include <memory>
#include <vector>

#include "components/jvx/minuterie.h"

namespace essai {

class FausseMinuterie : public MinuterieJv {
 public:
  void Demarrer(int millisecondes) override {
    active_ = true;
    intervalle_ = millisecondes;
  }
  void Arreter() override { active_ = false; }
  bool Active() const override { return active_; }
  int Intervalle() const override { return intervalle_; }
  // One tick, as the time of its interval had passed.
  void Tic() {
    if (active_ && echeance) echeance();
  }

 private:
  bool active_ = false;
  int intervalle_ = 0;
};

class MinuteriesManuelles {
 public:
  MinuteriesManuelles() {
    ancienne_ = installer_fabrique_minuterie([this] {
      auto m = std::make_unique<FausseMinuterie>();
      faites_.push_back(m.get());
      return m;
    });
  }
  ~MinuteriesManuelles() { installer_fabrique_minuterie(std::move(ancienne_)); }
  const std::vector<FausseMinuterie*>& Faites() const { return faites_; }
  FausseMinuterie& Derniere() const { return *faites_.back(); }

 private:
  FabriqueMinuterie ancienne_;
  std::vector<FausseMinuterie*> faites_;
};

}  // namespace essai
