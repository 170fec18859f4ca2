#pragma once
// Depth guard of the engine's recursive routines. Every such routine holds a
// GardeProfondeur for its call; past the limit (of depth, or of the work done
// in one outermost call) the guard reports overflow and
// the routine returns at once with a neutral result. The outermost guarded
// call then replaces its whole result by the "too complex" error, so deep or
// huge input gives an answer instead of exhausting the stack. A call that is
// refused with a message (refuse_appel) stops the work the same way, and the
// outermost call then gives an empty result.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class GardeProfondeur {
 public:
  GardeProfondeur();
  ~GardeProfondeur();
  GardeProfondeur(const GardeProfondeur&) = delete;
  GardeProfondeur& operator=(const GardeProfondeur&) = delete;

  // The work stops: the limit was passed, or a call was refused, somewhere
  // inside the outermost call.
  bool depassee() const;
  // This guard is the outermost one.
  bool externe() const { return externe_; }

 private:
  bool externe_;
};

// Levels allowed before the guard reports overflow.
inline constexpr int profondeur_maximale = 1000;

// Work of one outermost call, counted in units that follow its real cost:
// each text a routine scans to find its top level, cuts into parts, strips
// of its brackets or keeps in the call's memory counts its length in bytes
// plus a fixed share for the allocation and the call around it, and each
// guard opened counts as a short text. Past the bound the guard reports
// overflow too, so the answer depends on the input alone (never on the
// machine's speed) and the calculator answers within about half a second:
// some rewritings grow fast with the number of terms (a factorisation of 20
// terms makes millions of steps) and must give the "too complex" error
// instead of freezing. The heaviest school input of the benchmark counts
// about a twentieth of the bound (7 million).
inline constexpr std::uint64_t travail_par_texte = 16;
inline constexpr std::uint64_t travail_ouverture = 100;
inline constexpr std::uint64_t travail_maximal = 160000000;

// The state the guards share: the depth, whether a limit was passed or a
// call refused and the work of the current outermost call, and the number
// of that call. Every routine call opens a guard and counts texts, so the
// members that read and change it are inline.
struct EtatProfondeur {
  int profondeur = 0;
  bool depassement = false;
  bool refus = false;
  int refus_muets = 0;  // open scopes of sans_refus_montre()
  std::uint64_t appel = 0;
  std::uint64_t travail = 0;

  void ajoute(std::uint64_t unites) {
    travail += unites;
    if (travail > travail_maximal) depassement = true;
  }
};
extern EtatProfondeur etat_profondeur;

inline GardeProfondeur::GardeProfondeur() : externe_(etat_profondeur.profondeur == 0) {
  if (externe_) {
    etat_profondeur.depassement = false;
    etat_profondeur.refus = false;
    ++etat_profondeur.appel;
    etat_profondeur.travail = 0;
  }
  if (++etat_profondeur.profondeur > profondeur_maximale) etat_profondeur.depassement = true;
  etat_profondeur.ajoute(travail_ouverture);
}

inline GardeProfondeur::~GardeProfondeur() { --etat_profondeur.profondeur; }

inline bool GardeProfondeur::depassee() const { return etat_profondeur.depassement || etat_profondeur.refus; }

// Counts one text of `octets` bytes in the work of the current outermost
// call (nothing outside one).
inline void compte_travail(std::size_t octets) {
  if (etat_profondeur.profondeur > 0) etat_profondeur.ajoute(octets + travail_par_texte);
}

// The work counted since the current, or last, outermost call began.
std::uint64_t travail_effectue();

// Takes back the work counted since travail_effectue() gave `travail`, and
// the overflow it caused, with what the call remembered since (computed
// past the bound, it is void): for a routine that answers by another
// means when its written steps pass the work bound.
void reprend_travail(std::uint64_t travail);

// Characters a text handed to a public entry point of the engine may hold:
// far beyond any school input, and small enough that no text can make the
// engine's memory or time grow out of bounds.
inline constexpr std::size_t longueur_maximale_saisie = 20000;

// Drops what the current call remembers (memoire_appel.h): a routine of
// many steps, such as a sum of 100,000 terms, would otherwise keep tens of
// megabytes until it ends.
void oublie_memoire();

// Numbers the outermost calls: a new number each time a guard opens at
// depth 0, so what is remembered during one call can be dropped at the next.
inline std::uint64_t appel_externe() { return etat_profondeur.appel; }

// "erreur(" + the catalogue's "too complex" text + ")".
std::string erreur_trop_complexe();

// Refuses the call being worked out (an argument that does not read): shows
// `message` and fails the whole outermost call, which gives an empty result
// however deep the call stood: a sum or a product without one of its terms
// would be a wrong value. The work stops there, so a calculation shows one
// message whatever the number of its calls that would fail; past the work
// limit nothing is shown, the calculation being too complex already.
void refuse_appel(const std::string& message);

// Runs `calcul` where a refused call shows no message and fails nothing
// around it: for a value worked out without the user asking for it (a
// plotted point), where a call that refuses its argument only means that
// there is no value. No result when a call was refused; what the work
// remembered meanwhile is dropped, computed past the refusal it is void.
template <class Calcul>
std::optional<std::string> sans_refus_montre(Calcul&& calcul) {
  const bool refus_avant = etat_profondeur.refus;
  ++etat_profondeur.refus_muets;
  std::string r = calcul();
  --etat_profondeur.refus_muets;
  if (refus_avant || !etat_profondeur.refus) return r;
  etat_profondeur.refus = false;
  oublie_memoire();
  return std::nullopt;
}

// What a public routine holding `garde` returns: its result; in the
// outermost call, an empty result when a call was refused, or the "too
// complex" error when the limit was passed. The result is moved out, not
// copied.
inline std::string resultat_garde(const GardeProfondeur& garde, std::string resultat) {
  if (!garde.externe() || !garde.depassee()) return resultat;
  return etat_profondeur.refus ? std::string() : erreur_trop_complexe();
}

// A text longer than longueur_maximale_saisie handed to the engine from
// outside (no guard open) is refused before any work.
inline bool saisie_trop_longue(const GardeProfondeur& garde, std::size_t longueur) {
  return garde.externe() && longueur > longueur_maximale_saisie;
}

// Runs a public routine under its own guard (see resultat_garde).
template <class Calcul>
std::string sous_garde(Calcul&& calcul) {
  GardeProfondeur garde;
  return resultat_garde(garde, calcul());
}

// Runs a public entry point that takes typed text: as sous_garde, and the
// "too complex" error at once for a text too long (saisie_trop_longue).
template <class Calcul>
std::string sous_garde_saisie(std::string_view texte, Calcul&& calcul) {
  GardeProfondeur garde;
  if (saisie_trop_longue(garde, texte.size())) return erreur_trop_complexe();
  return resultat_garde(garde, calcul());
}
