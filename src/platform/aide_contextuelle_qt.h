#pragma once
// The application's help hook. F1 asks for help on the control that has the
// focus: the request carries the help context of that control or of the
// first of its parents that has one (a context of 0 means none).

#include <QWidget>

#include <cstdint>
#include <functional>

// The commands of a request: one context, or the contents when no control
// up the chain has a context.
inline constexpr int HELP_CONTEXT = 1;
inline constexpr int HELP_CONTENTS = 3;

// Answers a request; true when it was handled (the application then shows
// nothing of its own).
using CrochetAide = std::function<bool(int commande, std::intptr_t donnees)>;

// Installs the hook (replacing the previous one) and, once, the F1 filter on
// the application.
void installer_crochet_aide(CrochetAide crochet);
void retirer_crochet_aide();

void definir_contexte_aide(QWidget* controle, int contexte);
// The control's own context, 0 when it has none.
int contexte_aide(const QWidget* controle);
// The first non-zero context from the control up through its parents, within
// its own window: a dialog does not take its owner's help.
int contexte_aide_effectif(const QWidget* controle);

// What F1 does: hands the effective context of `controle` to the hook, or
// asks it for the contents when there is none. False when nobody handled it.
bool demander_aide(const QWidget* controle);
