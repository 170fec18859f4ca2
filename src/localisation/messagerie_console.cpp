#include "localisation/messagerie_console.h"

#include <cstdio>

#include "localisation/nombres.h"
#include "localisation/texte_1252.h"

namespace {

void ecrit_erreur(const std::string& texte_1252) {
  const std::string ligne = vers_utf8(texte_1252) + "\n";
  std::fwrite(ligne.data(), 1, ligne.size(), stderr);
}

std::string sur_une_ligne(const std::string& texte) {
  std::string sortie;
  for (const char c : texte) {
    if (c == '\r') {
      sortie += "\\r";
    } else if (c == '\n') {
      sortie += "\\n";
    } else {
      sortie.push_back(c);
    }
  }
  return sortie;
}

}  // namespace

void MessagerieConsole::message(const std::string& texte, bool) { ecrit_erreur(texte); }

int MessagerieConsole::question(const std::string& texte, TypeDialogue, unsigned boutons, bool) {
  ecrit_erreur(texte);
  return reponse_par_defaut(boutons);
}

std::optional<std::string> MessagerieConsole::saisie(const std::string&, const std::string& invite,
                                                     const std::string& defaut) {
  ecrit_erreur(invite);
  return reponse_ ? *reponse_ : defaut;
}

void MessagerieFichier::ajoute_ligne(const std::string& genre, const std::string& texte,
                                     const std::string& reponse) {
  std::FILE* f = std::fopen(chemin_.c_str(), "ab");
  if (f == nullptr) return;
  const std::string ligne = genre + "\t" + vers_utf8(sur_une_ligne(texte)) + "\t" + vers_utf8(reponse) + "\n";
  std::fwrite(ligne.data(), 1, ligne.size(), f);
  std::fclose(f);
}

void MessagerieFichier::message(const std::string& texte, bool) {
  ajoute_ligne("message", texte, std::to_string(reponse_ok));
}

int MessagerieFichier::question(const std::string& texte, TypeDialogue, unsigned boutons, bool) {
  const int reponse = reponse_par_defaut(boutons);
  ajoute_ligne("question", texte, std::to_string(reponse));
  return reponse;
}

std::optional<std::string> MessagerieFichier::saisie(const std::string&, const std::string& invite,
                                                     const std::string& defaut) {
  ajoute_ligne("saisie", invite, defaut);
  return defaut;
}

std::optional<FichierChoisi> MessagerieFichier::fichier(const DemandeFichier& demande) {
  ajoute_ligne("fichier", demande.titre, std::to_string(reponse_annuler));
  return std::nullopt;
}

std::optional<std::int32_t> MessagerieFichier::couleur(std::int32_t initiale) {
  ajoute_ligne("couleur", texte_entier(initiale), std::to_string(reponse_annuler));
  return std::nullopt;
}

void MessagerieFichier::ouvrir(const std::string& adresse) { ajoute_ligne("ouvrir", adresse, ""); }

int MessagerieFichier::fenetre_modale(const std::string& nom, const std::function<int()>&) {
  ajoute_ligne("modale", nom, std::to_string(reponse_annuler));
  return fenetre_annulee;
}
