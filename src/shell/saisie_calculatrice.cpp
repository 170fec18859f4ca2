#include "shell/saisie_calculatrice.h"

#include <QLineEdit>

#include "platform/texte_qt.h"

void SaisieLigneCalcul::definir_texte(const std::string& texte) { ligne_.setText(depuis_1252(texte)); }
