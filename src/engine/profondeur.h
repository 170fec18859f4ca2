#pragma once
// Depth guard of the engine's recursive routines. Every such routine holds a
// GardeProfondeur for its call; past the limit (of depth, or of the work done
// in one outermost call) the guard reports overflow and
// the routine returns at once with a neutral result. The outermost guarded
// call then replaces its whole result by the "too complex" error, so deep or
// huge input gives an answer instead of exhausting the stack.

#include <cstdint>
#include <string>

class GardeProfondeur {
 public:
  GardeProfondeur();
  ~GardeProfondeur();
  GardeProfondeur(const GardeProfondeur&) = delete;
  GardeProfondeur& operator=(const GardeProfondeur&) = delete;

  // The limit was passed somewhere inside the outermost call.
  bool depassee() const;
  // This guard is the outermost one.
  bool externe() const { return externe_; }

 private:
  bool externe_;
};

// Levels allowed before the guard reports overflow.
inline constexpr int profondeur_maximale = 1000;
// Guarded calls one outermost call may make before the guard reports
// overflow too: some rewritings grow fast with the number of terms (a
// factorisation of 20 terms makes about 6 million), and the calculator must
// answer, not freeze: about a fifth of a second here, five hundred times
// what the heaviest school input of the benchmark needs.
inline constexpr std::uint64_t ouvertures_maximales = 1000000;

// Drops what the current call remembers (memoire_appel.h): a routine of
// many steps, such as a sum of 100,000 terms, would otherwise keep tens of
// megabytes until it ends.
void oublie_memoire();

// Numbers the outermost calls: a new number each time a guard opens at
// depth 0, so what is remembered during one call can be dropped at the next.
std::uint64_t appel_externe();

// "erreur(" + the catalogue's "too complex" text + ")".
std::string erreur_trop_complexe();

// What a public routine holding `garde` returns: its result, or the "too
// complex" error when the limit was passed inside the outermost call.
inline std::string resultat_garde(const GardeProfondeur& garde, std::string resultat) {
  return garde.externe() && garde.depassee() ? erreur_trop_complexe() : resultat;
}

// Runs a public routine under its own guard (see resultat_garde).
template <class Calcul>
std::string sous_garde(Calcul&& calcul) {
  GardeProfondeur garde;
  return resultat_garde(garde, calcul());
}
