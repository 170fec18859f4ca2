#include "components/calculatrice/noyau_calculatrice.h"

#include <algorithm>
#include <cmath>

#include "components/calculatrice/saisie_nombre.h"
#include "localisation/nombres.h"

namespace {

constexpr double cent = 100;

char en_majuscule(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool est_operateur(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '%' || c == '=' || c == touche_entree;
}

bool est_touche_resultat(char c) { return c == '%' || c == '=' || c == touche_entree; }

std::string sans_symbole(std::string texte, const std::string& symbole) {
  if (symbole.empty()) return texte;
  for (auto p = texte.find(symbole); p != std::string::npos; p = texte.find(symbole, p)) texte.erase(p, symbole.size());
  return texte;
}

}  // namespace

NoyauCalculatrice::NoyauCalculatrice(int precision) : precision_(precision) {}

int NoyauCalculatrice::chiffres_affiches() const { return std::max(precision_minimale, precision_); }

void NoyauCalculatrice::definir_texte(std::string texte) {
  if (texte == affichage_) return;
  affichage_ = std::move(texte);
  if (evenements_.sur_changement_affichage) evenements_.sur_changement_affichage();
}

void NoyauCalculatrice::afficher(double valeur) {
  if (!std::isfinite(valeur)) {
    erreur();
    return;
  }
  std::string texte = texte_nombre(valeur, chiffres_affiches());
  // Rounded to the display's digits, a value next to the largest double
  // becomes a text beyond it, which reads back as no number: an overflow too.
  if (!lire_nombre(texte)) {
    erreur();
    return;
  }
  definir_texte(std::move(texte));
}

double NoyauCalculatrice::valeur_affichee() const {
  if (etat_ == EtatCalculatrice::erreur) return 0;
  return lire_saisie(affichage_).value_or(0);
}

void NoyauCalculatrice::bip() {
  if (bip_sur_erreur_ && evenements_.bip) evenements_.bip();
}

void NoyauCalculatrice::erreur() {
  etat_ = EtatCalculatrice::erreur;
  definir_texte(std::string(texte_erreur));
  bip();
  if (evenements_.sur_erreur) evenements_.sur_erreur();
}

void NoyauCalculatrice::effacer() {
  etat_ = EtatCalculatrice::pret;
  definir_texte("0");
  operateur_ = '=';
}

void NoyauCalculatrice::commencer_saisie() {
  if (etat_ != EtatCalculatrice::pret) return;
  etat_ = EtatCalculatrice::saisie;
  definir_texte("0");
}

void NoyauCalculatrice::separateur_decimal() {
  commencer_saisie();
  // A point after an exponent would make the text unreadable.
  if (affichage_.find_first_of(".E") == std::string::npos) definir_texte(affichage_ + ::separateur_decimal);
}

void NoyauCalculatrice::chiffre(char cle) {
  commencer_saisie();
  std::string texte = affichage_ == "0" ? std::string() : affichage_;
  if (texte.find('E') != std::string::npos) return;
  const auto signe = texte.find('-') != std::string::npos ? 1 : 0;
  if (static_cast<int>(texte.size()) < chiffres_affiches() + signe) {
    definir_texte(texte + cle);
  } else {
    bip();
  }
}

void NoyauCalculatrice::retour_arriere() {
  commencer_saisie();
  const std::string& t = affichage_;
  if (t.size() == 1 || (t.size() == 2 && t[0] == '-')) {
    definir_texte("0");
    return;
  }
  std::string texte = t.substr(0, t.size() - 1);
  // An exponent without digits ("1E-") is no number: its marks go too.
  while (!texte.empty() && (texte.back() == 'E' || texte.back() == '-' || texte.back() == '+')) texte.pop_back();
  definir_texte(texte.empty() ? "0" : texte);
}

void NoyauCalculatrice::operation(char cle) {
  if (etat_ == EtatCalculatrice::saisie || resultat_de_fonction_) {
    etat_ = EtatCalculatrice::pret;
    double r = valeur_affichee();
    if (cle == '%') {
      if (operateur_ == '*' || operateur_ == '/') r /= cent;
      if (operateur_ == '+' || operateur_ == '-') r = operande_ * r / cent;
    }
    switch (operateur_) {
      case '+': afficher(operande_ + r); break;
      case '-': afficher(operande_ - r); break;
      case '*': afficher(operande_ * r); break;
      case '/':
        if (r == 0) {
          erreur();
        } else {
          afficher(operande_ / r);
        }
        break;
      default: break;
    }
  }
  operateur_ = cle;
  operande_ = valeur_affichee();
  if (est_touche_resultat(cle) && evenements_.sur_resultat) evenements_.sur_resultat();
}

void NoyauCalculatrice::fonction(char cle) {
  const double v = valeur_affichee();
  etat_ = EtatCalculatrice::pret;
  if (cle == 'Q') {
    if (v < 0) {
      erreur();
    } else {
      afficher(std::sqrt(v));
    }
  } else if (v == 0) {
    erreur();
  } else {
    afficher(1 / v);
  }
}

void NoyauCalculatrice::coller() {
  if (!evenements_.coller) return;
  const std::optional<std::string> texte = evenements_.coller();
  if (!texte) return;
  // The reader trims the spaces left around the number.
  const std::optional<double> valeur = lire_saisie(sans_symbole(*texte, symbole_monetaire_));
  if (!valeur) {
    bip();
    return;
  }
  afficher(*valeur);
}

void NoyauCalculatrice::touche(char cle) {
  cle = en_majuscule(cle);
  if (etat_ == EtatCalculatrice::erreur && cle != 'C') return;
  if (evenements_.sur_touche) evenements_.sur_touche(cle);
  // A square root or reciprocal is the number the next operator combines
  // ("2 + 9 Q =" gives 5); any other key ends that.
  const bool fonction_avant = resultat_de_fonction_;
  resultat_de_fonction_ = false;
  if (est_operateur(cle)) {
    resultat_de_fonction_ = fonction_avant;
    operation(cle);
    resultat_de_fonction_ = false;
    return;
  }
  if (cle == '.' || cle == ',' || cle == ::separateur_decimal) {
    separateur_decimal();
  } else if (est_chiffre(cle)) {
    chiffre(cle);
  } else if (cle == '_') {
    afficher(-valeur_affichee());
  } else if (cle == 'Q' || cle == 'R') {
    fonction(cle);
    resultat_de_fonction_ = etat_ != EtatCalculatrice::erreur;
  } else if (cle == 'C' || cle == touche_echappement) {
    effacer();
  } else if (cle == touche_retour_arriere) {
    retour_arriere();
  } else if (cle == touche_copier) {
    if (evenements_.copier) evenements_.copier(affichage_);
  } else if (cle == touche_coller) {
    coller();
  }
}

void NoyauCalculatrice::changer_memoire(double valeur) {
  if (etat_ == EtatCalculatrice::erreur) return;
  etat_ = EtatCalculatrice::pret;
  if (!std::isfinite(valeur)) {
    erreur();
    return;
  }
  memoire_ = valeur;
}

void NoyauCalculatrice::memoire_plus() { changer_memoire(memoire_ + valeur_affichee()); }

void NoyauCalculatrice::memoire_stocker() { changer_memoire(valeur_affichee()); }

void NoyauCalculatrice::memoire_effacer() { changer_memoire(0); }

void NoyauCalculatrice::memoire_rappel() {
  if (etat_ == EtatCalculatrice::erreur) return;
  etat_ = EtatCalculatrice::pret;
  afficher(memoire_);
}

void NoyauCalculatrice::ok() {
  if (etat_ == EtatCalculatrice::erreur) {
    bip();
    return;
  }
  afficher(valeur_affichee());
  if (evenements_.sur_ok) evenements_.sur_ok();
}

void NoyauCalculatrice::annuler() {
  if (evenements_.sur_annulation) evenements_.sur_annulation();
}
