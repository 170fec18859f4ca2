#include "components/jvx/minuterie.h"

#include <QTimer>

namespace {

class MinuterieQt : public MinuterieJv {
 public:
  MinuterieQt() {
    QObject::connect(&minuteur_, &QTimer::timeout, [this] {
      if (echeance) echeance();
    });
  }
  void Demarrer(int millisecondes) override { minuteur_.start(millisecondes); }
  void Arreter() override { minuteur_.stop(); }
  bool Active() const override { return minuteur_.isActive(); }
  int Intervalle() const override { return minuteur_.interval(); }

 private:
  QTimer minuteur_;
};

FabriqueMinuterie& fabrique_installee() {
  static FabriqueMinuterie fabrique;
  return fabrique;
}

}  // namespace

std::unique_ptr<MinuterieJv> nouvelle_minuterie() {
  if (fabrique_installee()) return fabrique_installee()();
  return std::make_unique<MinuterieQt>();
}

FabriqueMinuterie installer_fabrique_minuterie(FabriqueMinuterie fabrique) {
  FabriqueMinuterie ancienne = std::move(fabrique_installee());
  fabrique_installee() = std::move(fabrique);
  return ancienne;
}
