#pragma once
// The rendered pages of the main window and the run state (etat_exercice.h,
// presentateur.h) its callers use. Every page is
// drawn through afficher_formule, which keeps one renderer per kind of page
// (its slot): the exercise view, the page editor's preview, the calculation
// history and its preview, the hint view, the curve formula...

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "exercises/etat_exercice.h"
#include "exercises/presentateur.h"

class ImageHote;
class QWidget;
class TChart;
class Tformule;

// The main window's controls the presenter works on; the window gives them
// when it is built.
struct Tpages_presentation {
  TChart* Graph = nullptr;           // the exercise page's chart
  QWidget* Pvalider = nullptr;       // the validation tool bar
  ImageHote* Image3 = nullptr;       // the calculation history
  // Reads whether function names are coloured (the settings file's
  // activer_coloration, read at each drawing); none: coloured.
  std::function<bool()> coloration;
};
extern Tpages_presentation pages_presentation;

// The answer controls on the window, index = slot.
extern std::vector<QWidget*> controles_reponse;
// The caption beside each answer control, index = slot.
extern std::vector<QWidget*> libelles_reponse;

// The kinds of page, each with its renderer.
enum class Emplacement { exercice, editeur, historique, apercu, aide, graphe, courbe, editeur_formule, autre };
inline constexpr std::size_t nombre_emplacements = 9;
extern std::array<std::unique_ptr<Tformule>, nombre_emplacements> formules_affichees;

// Gives an image its slot; an image without one uses the slot `autre`.
void definir_emplacement(ImageHote* image, Emplacement emplacement);
Emplacement emplacement_de(const ImageHote* image);
// The renderer of a slot, nullptr when nothing was drawn there.
Tformule* formule_de(Emplacement emplacement);

// Draws a page of mark-up on the image at (x, y) with the page font, through
// the image's slot (the slot's previous renderer is freed). Function names
// are coloured as [outils] activer_coloration says, where the slot allows.
void afficher_formule(ImageHote* image, const std::string& texte, int x, int y);

// The calculation history's page on Image3 (nothing drawn for an empty
// page); the history's box then shows its end.
void afficher_historique(const std::string& page);

// Frees every slot's renderer.
void liberer_formules();
