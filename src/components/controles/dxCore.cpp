#include "components/controles/dxCore.h"

TdxStyleManager::~TdxStyleManager() {
  for (TdxCustomControl* c : controles_) c->gestionnaire_ = nullptr;
}

void TdxStyleManager::SetTheme(TdxTheme theme) {
  if (theme == theme_) return;
  theme_ = theme;
  for (TdxCustomControl* c : controles_) c->Repeindre();
  emit ThemeChanged();
}

TdxCustomControl::~TdxCustomControl() {
  if (gestionnaire_ != nullptr) gestionnaire_->controles_.removeAll(this);
}

void TdxCustomControl::EndUpdate() {
  if (mises_a_jour_ == 0) return;
  if (--mises_a_jour_ == 0) controle_->update();
}

QString TdxCustomControl::Version() { return QStringLiteral("Pralinore flat controls 1.0"); }

void TdxCustomControl::SetStyle(const TdxStyle& style) {
  style_ = style;
  Repeindre();
}

void TdxCustomControl::SetStyleManager(TdxStyleManager* gestionnaire) {
  if (gestionnaire == gestionnaire_) return;
  if (gestionnaire_ != nullptr) gestionnaire_->controles_.removeAll(this);
  gestionnaire_ = gestionnaire;
  if (gestionnaire_ != nullptr) gestionnaire_->controles_.append(this);
  Repeindre();
}

TdxTheme TdxCustomControl::ThemeEffectif() const {
  return style_.UseStyleManager && gestionnaire_ != nullptr ? gestionnaire_->Theme() : style_.Theme;
}

void TdxCustomControl::Repeindre() {
  if (!EnMiseAJour()) controle_->update();
}

void TdxCustomControl::Poser(Etat e, bool present) {
  const unsigned avant = etats_;
  etats_ = present ? (etats_ | e) : (etats_ & ~e);
  if (etats_ != avant) Repeindre();
}

void TdxCustomControl::SourisSortie() {
  Poser(bouton_bas, false);
  Poser(souris_dedans, false);
}

void TdxCustomControl::BoutonPresse(Qt::MouseButton bouton) {
  if (bouton != Qt::LeftButton) return;
  Poser(souris_dedans, true);
  Poser(bouton_bas, true);
}

void TdxCustomControl::BoutonRelache(Qt::MouseButton bouton) {
  if (bouton == Qt::LeftButton) Poser(bouton_bas, false);
}
