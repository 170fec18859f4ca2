#include "engine/chemins_rapides.h"

namespace {

bool actifs = true;

}  // namespace

bool chemins_rapides_actifs() { return actifs; }

SansCheminsRapides::SansCheminsRapides() : avant_(actifs) { actifs = false; }

SansCheminsRapides::~SansCheminsRapides() { actifs = avant_; }
