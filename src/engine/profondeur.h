#pragma once
// Depth guard of the engine's recursive routines. Every such routine holds a
// GardeProfondeur for its call; past the limit the guard reports overflow and
// the routine returns at once with a neutral result. The outermost guarded
// call then replaces its whole result by the "too complex" error, so deep or
// huge input gives an answer instead of exhausting the stack.

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

// "erreur(" + the catalogue's "too complex" text + ")".
std::string erreur_trop_complexe();

// What a public routine holding `garde` returns: its result, or the "too
// complex" error when the limit was passed inside the outermost call.
inline std::string resultat_garde(const GardeProfondeur& garde, std::string resultat) {
  return garde.externe() && garde.depassee() ? erreur_trop_complexe() : resultat;
}
