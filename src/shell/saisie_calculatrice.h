#pragma once
// The calculator's input line of the main window (TFvorel::Edit1) as the
// generators see it: an exercise leaves its expression there for the pupil
// to work on.

#include <string>

#include "exercises/contexte_generateur.h"

class QLineEdit;

class SaisieLigneCalcul final : public SaisieCalculatrice {
 public:
  explicit SaisieLigneCalcul(QLineEdit& ligne) : ligne_(ligne) {}

  // Replaces the line's text (Windows-1252) with `texte`.
  void definir_texte(const std::string& texte) override;

 private:
  QLineEdit& ligne_;
};
