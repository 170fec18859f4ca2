#pragma once
// The program's messenger: Qt message boxes titled "Pralinore", input boxes,
// file and colour dialogs, and the program's own modal windows, each over the
// active window. Installed once QApplication exists; PRALINORE_TEST_MESSAGES
// still wins over it (see localisation/messages.h).

#include <QString>

#include "localisation/messages.h"

class MessagerieQt : public Messagerie {
 public:
  void message(const std::string& texte, bool boite_systeme) override;
  int question(const std::string& texte, TypeDialogue type, unsigned boutons, bool boite_systeme) override;
  std::optional<std::string> saisie(const std::string& titre, const std::string& invite,
                                    const std::string& defaut) override;
  std::optional<FichierChoisi> fichier(const DemandeFichier& demande) override;
  std::optional<std::int32_t> couleur(std::int32_t initiale) override;
  int fenetre_modale(const std::string& nom, const std::function<int()>& montrer) override;
  // Web addresses go to the browser, anything else is a local path.
  void ouvrir(const std::string& adresse) override;
};

// "Description|*.a;*.b|..." as Qt name filters "Description (*.a *.b);;...".
QString filtres_qt(const std::string& filtre_1252);
