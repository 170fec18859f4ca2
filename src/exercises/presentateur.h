#pragma once
// The question presenter: reads the answer format, lays out one answer
// control per slot on the screen, draws the statement and echoes what the
// pupil types into it, and walks the hint pages. Qt-free: every control and
// page is reached through EcranExercices (ecran_exercices.h).
//
// An answer format is a text of slots separated by ";" outside every pair of
// "()" and "[]" (a pair of "()" around the whole format is dropped). A slot
// beginning with "T" is an edit box; any other (in use "C") a drop-down list
// whose items are the text between its first "(" and first ")", cut at ";".
// The text between a slot's first "[" and first "]" is its caption,
// txt_reponse_2 ("Reponse") when empty. "C[1.](a;b);T[2.]" is a list
// captioned "1." with the items a and b, then an edit box captioned "2.".

#include <string>
#include <string_view>
#include <vector>

#include "exercises/contexte_generateur.h"
#include "exercises/etat_exercice.h"

// The keys touche_reponse acts on.
inline constexpr char touche_entree = '\r';
inline constexpr char touche_copie = 7;  // Ctrl+G

// Link identifiers of the pages: the hint pages' way back and previous page,
// the statement's link to the entry's hint page.
inline constexpr int lien_retour_exercice = -1;
inline constexpr int lien_page_precedente = -2;
inline constexpr int lien_aide_exercice = 3;

// The characters between the first paire[0] and the first paire[1] of the
// text: empty when paire[1] is absent or does not come after paire[0]; the
// text before paire[1] when only paire[0] is absent.
std::string texte_entre(const std::string& texte, std::string_view paire);

// The page with every "..." replaced by the answer in blue.
std::string reponse_en_place(const std::string& page, const std::string& reponse);
// Whether the page has a place ("...") for the answer.
bool a_place_reponse(const std::string& page);

// The slots of an answer format, in order.
std::vector<Tcreneau_reponse> lire_format_reponse(const std::string& format);

// Before every exercise: reseeds the program's random source, clears the
// required form, disables and hides the chart, shows the validation bar,
// clears the verdict and asks for ordered answers. Neither the locale nor
// the floating-point environment is touched.
void preparer_exercice();

// Shows the input area when avec_saisie is set, removes the old answer
// controls, builds the statement page (with the link to the entry's hint
// page when the entry has one), keeps the correction, draws the page,
// creates the controls of the format, keeps the expected answers, and gives
// the first control the focus when avec_saisie is set.
void poser_question(const std::string& question, const std::string& format,
                    const std::vector<std::string>& reponses, const std::string& correction, bool avec_saisie);
void poser_question_simple(const std::string& question, const std::string& reponse, const std::string& correction);
void poser_question_saisie(const std::string& question, const std::string& reponse, const std::string& correction);
void poser_question_double(const std::string& question, const std::vector<std::string>& reponses,
                           const std::string& correction);
void poser_question_choix(const std::string& question, const std::vector<std::string>& choix,
                          const std::string& reponse, const std::string& correction);

// The typed answers as one text: "{" + text + "}" for each control whose
// text is not empty, joined with ";".
std::string reponses_saisies();

// A key pressed in the control of a slot; true when the key is consumed.
// Enter on the last control starts the next exercise when the start button
// is enabled and validates otherwise; on another control it moves the focus
// to the next one. Ctrl+G copies texte_exercice to the clipboard.
bool touche_reponse(int creneau, char touche);

// The edit box of a slot changed: while an exercise runs, draws the
// statement with the typed answers in blue (in place of every "..." when the
// statement has them, after it otherwise). texte_exercice is not changed.
void echo_saisie(int creneau);
// An item of the list of a slot was chosen: draws the statement with the
// chosen item in blue in place of every "...".
void echo_choix(int creneau);

// Shows a hint page while the hint panel is visible. The history grows by
// `pas` (+1 push, -1 pop, 0 replace; an empty history is never popped).
void afficher_page_aide(const std::string& texte, int pas);
// Shows the page before the last one, when there is one.
void page_aide_precedente();

// The run state as a generator's presenter.
class PresentateurCourant final : public Presentateur {
 public:
  void preparer_exercice() override;
  void poser_question(const std::string& question, const std::string& format,
                      const std::vector<std::string>& reponses, const std::string& correction,
                      bool avec_saisie) override;
  void definir_forme_reponse(const std::string& forme) override;
  void definir_reponses_ordonnees(bool ordonnees) override;
  void masquer_saisie() override;
};

// The program's presenter and random source (on RandSeed).
Presentateur& presentateur_courant();
SourceAleatoire& source_programme();
