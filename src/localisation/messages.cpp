#include "localisation/messages.h"

#include <cstdlib>

#include "localisation/langue.h"
#include "localisation/messagerie_console.h"

namespace {

std::unique_ptr<Messagerie>& installee() {
  static std::unique_ptr<Messagerie> m;
  return m;
}

// The file named by PRALINORE_TEST_MESSAGES, read once.
Messagerie* messagerie_environnement() {
  static const std::unique_ptr<Messagerie> m = []() -> std::unique_ptr<Messagerie> {
    const char* chemin = std::getenv("PRALINORE_TEST_MESSAGES");
    if (chemin == nullptr || *chemin == '\0') return nullptr;
    return std::make_unique<MessagerieFichier>(chemin);
  }();
  return m.get();
}

}  // namespace

int code_du_bouton(unsigned bouton) {
  switch (bouton) {
    case bouton_oui: return reponse_oui;
    case bouton_non: return reponse_non;
    case bouton_ok: return reponse_ok;
    case bouton_annuler: return reponse_annuler;
    case bouton_abandon: return reponse_abandon;
    case bouton_reessayer: return reponse_reessayer;
    case bouton_ignorer: return reponse_ignorer;
    default: return 0;
  }
}

int reponse_par_defaut(unsigned boutons) {
  if (boutons & bouton_oui) return reponse_oui;
  if (boutons & bouton_ok || boutons == 0) return reponse_ok;
  return code_du_bouton(boutons & (~boutons + 1));  // lowest bit offered
}

int reponse_echappement(unsigned boutons) {
  if (boutons & bouton_annuler) return reponse_annuler;
  if (boutons & bouton_non) return reponse_non;
  return reponse_ok;
}

std::unique_ptr<Messagerie> installer_messagerie(std::unique_ptr<Messagerie> nouvelle) {
  std::swap(installee(), nouvelle);
  return nouvelle;
}

Messagerie& messagerie() {
  if (Messagerie* m = messagerie_environnement()) return *m;
  if (!installee()) installee() = std::make_unique<MessagerieConsole>();
  return *installee();
}

void affiche_message(const std::string& texte) { messagerie().message(texte, interface_anglaise()); }

int affiche_dialogue(const std::string& texte, TypeDialogue type, unsigned boutons) {
  return messagerie().question(texte, type, boutons, interface_anglaise());
}

std::string boite_saisie(const std::string& titre, const std::string& invite, const std::string& defaut) {
  return messagerie().saisie(titre, invite, defaut).value_or(defaut);
}

std::optional<FichierChoisi> Messagerie::fichier(const DemandeFichier&) { return std::nullopt; }

std::optional<std::int32_t> Messagerie::couleur(std::int32_t) { return std::nullopt; }

int Messagerie::fenetre_modale(const std::string&, const std::function<int()>&) { return fenetre_annulee; }

std::optional<FichierChoisi> choisir_fichier(const DemandeFichier& demande) { return messagerie().fichier(demande); }

std::optional<std::int32_t> choisir_couleur(std::int32_t initiale) { return messagerie().couleur(initiale); }

void Messagerie::ouvrir(const std::string&) {}

void ouvrir_adresse(const std::string& adresse) { messagerie().ouvrir(adresse); }

int montrer_modal(const std::string& nom, const std::function<int()>& montrer) {
  return messagerie().fenetre_modale(nom, montrer);
}
