#include "platform/ini/fichiers_aide.h"

#include "localisation/choix_langue.h"
#include "localisation/format.h"

std::string fichier_aide;
std::array<std::unique_ptr<Tfichier_ini>, 8> ini_aide;

void ouvrir_aide_langue(const std::string& dossier) {
  fichier_aide = dossier + "Pralinore.chm";
  for (int n = 1; n <= 7; ++n) {
    ini_aide[n] = std::make_unique<Tfichier_ini>(dossier + Format("Aide%d.ini", {n}));
  }
}

void enregistrer_fichiers_aide() { crochets_langue().fichiers_aide = ouvrir_aide_langue; }
