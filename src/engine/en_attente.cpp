// Stand-ins until the collection and expansion routines land: each gives
// its text back.
#include "engine/decomposition.h"
#include "engine/developpement.h"
#include "engine/reduction.h"
#include "engine/regroupement.h"

std::string regroupe_somme(const std::string& t) { return t; }
std::string regroupe_somme_numerique(const std::string& t) { return t; }
std::string regroupe_produit(const std::string& t) { return t; }
std::string developper(const std::string& t) { return t; }
std::string simplifie_par_pgcd(const std::string& t) { return t; }
std::string developpe_fonctions_utilisateur(const std::string& t) { return t; }
