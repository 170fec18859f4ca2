#pragma once
// A help set: the folder of one language's help pages and its contents tree
// "sommaire.json" (entries with "titre", "page", optional "contextes", the
// context numbers the page answers, and "enfants"). The pages are UTF-8 HTML.

#include <QString>

#include <vector>

struct EntreeSommaire {
  QString titre;
  QString page;
  std::vector<int> contextes;
  std::vector<EntreeSommaire> enfants;
};

struct ResultatRecherche {
  QString titre;
  QString page;
};

class JeuAide {
 public:
  // Reads `dossier`/sommaire.json; a missing or malformed file gives a set
  // that is not valid and answers nothing.
  static JeuAide charger(const QString& dossier);

  bool valide() const { return !sommaire_.empty(); }
  const QString& dossier() const { return dossier_; }
  const std::vector<EntreeSommaire>& sommaire() const { return sommaire_; }

  // The absolute path of a page of the set; "" when the file is not there.
  QString chemin_page(const QString& page) const;
  // The page of the first entry, the overview.
  QString premiere_page() const;
  // The first entry that lists the context number; "" when none does or its
  // page is missing.
  QString page_de_contexte(int contexte) const;
  // The entries whose page's plain text holds `texte`, ignoring case and
  // accents, in contents order; each page once.
  std::vector<ResultatRecherche> rechercher(const QString& texte) const;

 private:
  QString dossier_;
  std::vector<EntreeSommaire> sommaire_;
};

// The text without case and accents, so "Intégrale" and "integrale" meet.
QString sans_casse_ni_accents(const QString& texte);

// The visible text of an HTML page.
QString texte_de_page(const QString& html);
