#include "exercises/presentation.h"

#include <QScrollBar>
#include <QVariant>
#include <QWidget>

#include "formula/formule.h"
#include "platform/chart/chart.h"
#include "platform/image_hote.h"

Tpages_presentation pages_presentation;

std::vector<QWidget*> controles_reponse;
std::vector<QWidget*> libelles_reponse;

std::array<std::unique_ptr<Tformule>, nombre_emplacements> formules_affichees;

namespace {

constexpr const char* propriete_emplacement = "emplacement_formule";

// The font of every rendered page.
const Tpolice police_pages{"MS Sans Serif", 14, 0, 0};

struct Options {
  bool coloration;         // function names coloured as the setting says
  bool rouge;              // functions in red as the setting says
  bool toujours;           // both forced on (the curve dialog)
  bool selection;          // lines can be selected
  bool selection_caractere;
};

Options options(Emplacement e) {
  switch (e) {
    case Emplacement::editeur: return {false, true, false, true, true};
    case Emplacement::historique: return {true, true, false, true, false};
    case Emplacement::apercu:
    case Emplacement::editeur_formule: return {true, true, false, false, false};
    case Emplacement::courbe: return {true, true, true, false, false};
    default: return {false, true, false, false, false};
  }
}

bool coloration_demandee() { return !pages_presentation.coloration || pages_presentation.coloration(); }

}  // namespace

void definir_emplacement(ImageHote* image, Emplacement emplacement) {
  image->setProperty(propriete_emplacement, static_cast<int>(emplacement));
}

Emplacement emplacement_de(const ImageHote* image) {
  const QVariant v = image->property(propriete_emplacement);
  return v.isValid() ? static_cast<Emplacement>(v.toInt()) : Emplacement::autre;
}

Tformule* formule_de(Emplacement emplacement) {
  return formules_affichees[static_cast<std::size_t>(emplacement)].get();
}

void afficher_formule(ImageHote* image, const std::string& texte, int x, int y) {
  if (image == nullptr) return;
  const Emplacement e = emplacement_de(image);
  const Options o = options(e);
  const bool reglage = coloration_demandee();
  auto& emplacement = formules_affichees[static_cast<std::size_t>(e)];
  emplacement.reset();
  emplacement = std::make_unique<Tformule>(image, police_pages, texte, x, y, o.toujours || (o.rouge && reglage),
                                           o.toujours || (o.coloration && reglage));
  emplacement->selection_active = o.selection;
  emplacement->selection_caractere = o.selection_caractere;
  emplacement->afficher();
}

void afficher_historique(const std::string& page) {
  ImageHote* image = pages_presentation.Image3;
  if (image == nullptr) return;
  if (!page.empty()) afficher_formule(image, page, 0, 0);
  if (BoiteDefilement* boite = image->boite()) boite->verticalScrollBar()->setValue(boite->verticalScrollBar()->maximum());
}

void liberer_formules() {
  for (auto& f : formules_affichees) f.reset();
}
