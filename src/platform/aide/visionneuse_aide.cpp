#include "platform/aide/visionneuse_aide.h"

#include "platform/aide/fenetre_aide.h"
#include "platform/texte_qt.h"

namespace {
constexpr const char* extension_aide = ".chm";
}

QString dossier_jeu_aide(const std::string& fichier_aide) {
  const std::string extension = extension_aide;
  const bool avec_extension = fichier_aide.size() >= extension.size() &&
                              fichier_aide.compare(fichier_aide.size() - extension.size(), extension.size(), extension) == 0;
  return QString::fromStdString(avec_extension ? fichier_aide.substr(0, fichier_aide.size() - extension.size())
                                               : fichier_aide);
}

void traiter_demande_aide(const DemandeAide& demande) {
  const QString dossier = dossier_jeu_aide(demande.fichier);
  FenetreAide& fenetre = FenetreAide::instance();
  switch (demande.commande) {
    case HH_DISPLAY_TOC:
      fenetre.afficher_sommaire(dossier);
      break;
    case HH_DISPLAY_SEARCH: {
      const QString texte =
          demande.recherche ? depuis_1252(demande.recherche->pszSearchQuery) : QString();
      fenetre.afficher_recherche(dossier, texte, demande.recherche && demande.recherche->fExecute);
      break;
    }
    case HH_HELP_CONTEXT:
      fenetre.afficher_contexte(dossier, static_cast<int>(demande.donnees));
      break;
    case HH_KEYWORD_LOOKUP: {
      const auto* mot = reinterpret_cast<const char*>(demande.donnees);
      fenetre.afficher_recherche(dossier, mot ? depuis_1252(mot) : QString(), true);
      break;
    }
    default:
      break;
  }
}

void installer_visionneuse_aide() { installer_recepteur_aide(traiter_demande_aide); }
