#pragma once
// Messengers that need no window: the console one writes to stderr and takes
// the default answers; the silent one shows nothing and takes them too; the
// file one serves PRALINORE_TEST_MESSAGES.

#include <string>

#include "localisation/messages.h"

class MessagerieConsole : public Messagerie {
 public:
  MessagerieConsole() = default;
  // Input boxes answer `reponse` instead of their default.
  explicit MessagerieConsole(std::string reponse) : reponse_(std::move(reponse)) {}
  void message(const std::string& texte, bool boite_systeme) override;
  int question(const std::string& texte, TypeDialogue type, unsigned boutons, bool boite_systeme) override;
  std::optional<std::string> saisie(const std::string& titre, const std::string& invite,
                                    const std::string& defaut) override;

 private:
  std::optional<std::string> reponse_;
};

// Shows nothing and answers every box at once: questions with their default
// button, input boxes with "" (fuzz targets and benchmarks).
class MessagerieMuette : public Messagerie {
 public:
  void message(const std::string&, bool) override {}
  int question(const std::string&, TypeDialogue, unsigned boutons, bool) override {
    return reponse_par_defaut(boutons);
  }
  std::optional<std::string> saisie(const std::string&, const std::string&, const std::string&) override {
    return std::string();
  }
};

// Appends one UTF-8 line per prompt: kind, text and answer separated by tabs
// (line breaks in the text written as \r and \n), and answers the default.
// File and colour dialogs and modal windows are logged with the title, the
// colour or the window's name, and cancelled (answer 2).
class MessagerieFichier : public Messagerie {
 public:
  explicit MessagerieFichier(std::string chemin) : chemin_(std::move(chemin)) {}
  void message(const std::string& texte, bool boite_systeme) override;
  int question(const std::string& texte, TypeDialogue type, unsigned boutons, bool boite_systeme) override;
  std::optional<std::string> saisie(const std::string& titre, const std::string& invite,
                                    const std::string& defaut) override;
  std::optional<FichierChoisi> fichier(const DemandeFichier& demande) override;
  std::optional<std::int32_t> couleur(std::int32_t initiale) override;
  int fenetre_modale(const std::string& nom, const std::function<int()>& montrer) override;
  void ouvrir(const std::string& adresse) override;

 private:
  void ajoute_ligne(const std::string& genre, const std::string& texte, const std::string& reponse);
  std::string chemin_;
};
