#include "exercises/etat_exercice.h"

std::string texte_exercice;
std::string correction;
std::string titre_exercice;
std::string forme_reponse;
std::vector<std::string> reponses_attendues;
std::vector<Tcreneau_reponse> creneaux_reponse;
bool exercice_en_cours = false;
bool reponse_correcte = false;
bool reponses_ordonnees = true;
bool jugeable = false;
std::vector<std::string> historique_aide;
std::string texte_aide;
int exercice_courant = -1;
