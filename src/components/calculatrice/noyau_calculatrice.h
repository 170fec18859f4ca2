#pragma once
// The pocket calculator without its window: the key routine, the display
// text, the status, the pending operator, the operand and the memory. The
// panel, its keys and the pop-up drive it and listen to its events.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Control characters the key routine understands besides the printable keys.
inline constexpr char touche_retour_arriere = 8;
inline constexpr char touche_entree = 13;
inline constexpr char touche_echappement = 27;
inline constexpr char touche_copier = 3;   // Ctrl+C
inline constexpr char touche_coller = 22;  // Ctrl+V

enum class EtatCalculatrice {
  pret,     // the next digit starts a new number
  saisie,   // a number is being typed
  erreur,   // "Error" is shown; only "C" is taken
};

struct EvenementsCalculatrice {
  std::function<void()> sur_resultat;
  std::function<void()> sur_erreur;
  std::function<void()> sur_ok;
  std::function<void()> sur_annulation;
  std::function<void()> sur_changement_affichage;
  // May change the key (to 0 to drop it).
  std::function<void(char&)> sur_touche;
  std::function<void()> bip;
  std::function<void(const std::string&)> copier;
  // The clipboard's text, when it holds text.
  std::function<std::optional<std::string>()> coller;
};

class NoyauCalculatrice {
 public:
  static constexpr std::string_view texte_erreur = "Error";
  static constexpr int precision_minimale = 2;

  explicit NoyauCalculatrice(int precision = 15);

  EvenementsCalculatrice& evenements() { return evenements_; }

  // The key routine: one typed or clicked key.
  void touche(char cle);
  void memoire_plus();
  void memoire_stocker();
  void memoire_rappel();
  void memoire_effacer();
  void ok();
  void annuler();
  // Back to a clear display: ready, "0", pending "=".
  void effacer();

  // Shows a value (non-finite values give the error state).
  void afficher(double valeur);
  // The display text trimmed and read as a number; 0 in the error state.
  double valeur_affichee() const;

  const std::string& affichage() const { return affichage_; }
  EtatCalculatrice etat() const { return etat_; }
  void definir_etat(EtatCalculatrice etat) { etat_ = etat; }
  char operateur() const { return operateur_; }
  void definir_operateur(char operateur) { operateur_ = operateur; }
  double operande() const { return operande_; }
  double memoire() const { return memoire_; }
  bool memoire_non_nulle() const { return memoire_ != 0; }
  int precision() const { return precision_; }
  void definir_precision(int precision) { precision_ = precision; }
  bool bip_sur_erreur() const { return bip_sur_erreur_; }
  void definir_bip_sur_erreur(bool bip) { bip_sur_erreur_ = bip; }
  // Currency symbol removed from pasted text.
  void definir_symbole_monetaire(std::string symbole) { symbole_monetaire_ = std::move(symbole); }

 private:
  int chiffres_affiches() const;
  void definir_texte(std::string texte);
  void commencer_saisie();
  void erreur();
  void bip();
  void separateur_decimal();
  void chiffre(char cle);
  void retour_arriere();
  void operation(char cle);
  void fonction(char cle);
  void coller();
  void changer_memoire(double valeur);

  EvenementsCalculatrice evenements_;
  std::string affichage_ = "0";
  EtatCalculatrice etat_ = EtatCalculatrice::pret;
  char operateur_ = '=';
  double operande_ = 0;
  double memoire_ = 0;
  int precision_;
  bool bip_sur_erreur_ = true;
  bool resultat_de_fonction_ = false;
  std::string symbole_monetaire_;
};
