#pragma once
// Shortcuts that compute what a written rewriting computes, on the cases
// where they give the same text byte for byte (a polynomial division on
// coefficient arrays, a Taylor polynomial from exact series...). Each
// shortcut keeps the written algorithm beside it as its reference; the
// differential tests turn the shortcuts off to run the reference on the
// same inputs and compare.
//
// A shortcut never counts more work than the steps it spares, so every
// input the written algorithm answers is answered with the same text.

// Whether the shortcuts are taken (they are, unless a test turned them off).
bool chemins_rapides_actifs();

// Turns the shortcuts off for its lifetime, and back to what they were.
class SansCheminsRapides {
 public:
  SansCheminsRapides();
  ~SansCheminsRapides();
  SansCheminsRapides(const SansCheminsRapides&) = delete;
  SansCheminsRapides& operator=(const SansCheminsRapides&) = delete;

 private:
  bool avant_;
};
