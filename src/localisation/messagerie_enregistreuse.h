#pragma once
// A scripted messenger for tests: it records every prompt and answers from
// queues filled by the test, falling back to the default answers.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "localisation/messages.h"

class MessagerieEnregistreuse : public Messagerie {
 public:
  struct Invite {
    std::string genre;  // "message", "question", "saisie", "fichier", "couleur", "modale" or "ouvrir"
    std::string texte;
    bool boite_systeme = false;
    TypeDialogue type = TypeDialogue::information;
    unsigned boutons = 0;
  };

  std::vector<Invite> journal;
  std::deque<int> reponses;                         // next answers to questions
  std::deque<std::optional<std::string>> saisies;   // next answers to input boxes (nullopt: cancel)
  std::deque<std::optional<FichierChoisi>> fichiers;  // next answers to file dialogs (none: cancelled)
  DemandeFichier demande_fichier;                     // the last file dialog asked for
  std::deque<std::optional<std::int32_t>> couleurs;   // next answers to colour dialogs (none: cancelled)
  // Plays the user of a modal window while it "shows", by its name; gives
  // the window's result. Without it modal windows are cancelled unseen.
  std::function<int(const std::string& nom)> modale;

  void message(const std::string& texte, bool boite_systeme) override;
  int question(const std::string& texte, TypeDialogue type, unsigned boutons, bool boite_systeme) override;
  std::optional<std::string> saisie(const std::string& titre, const std::string& invite,
                                    const std::string& defaut) override;
  std::optional<FichierChoisi> fichier(const DemandeFichier& demande) override;
  std::optional<std::int32_t> couleur(std::int32_t initiale) override;
  int fenetre_modale(const std::string& nom, const std::function<int()>& montrer) override;
  void ouvrir(const std::string& adresse) override;
};

// Installs a recorder for the lifetime of a test and puts the previous
// messenger back afterwards.
class MessagerieDeTest {
 public:
  MessagerieDeTest();
  ~MessagerieDeTest();
  MessagerieDeTest(const MessagerieDeTest&) = delete;
  MessagerieDeTest& operator=(const MessagerieDeTest&) = delete;
  MessagerieEnregistreuse* operator->() { return enregistreuse_; }
  MessagerieEnregistreuse& operator*() { return *enregistreuse_; }

 private:
  MessagerieEnregistreuse* enregistreuse_;
  std::unique_ptr<Messagerie> precedente_;
};
