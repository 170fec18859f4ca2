#pragma once
// What a generator works with: a random source, a presenter that receives
// the question, and the catalogue. The program gives the run's own; tests
// give seeded sources and recording presenters.

#include <cstdint>
#include <string>
#include <vector>

#include "localisation/catalogue.h"

class Texercices;

// The random source: a 32-bit linear congruential generator. The program's
// source steps the shared seed RandSeed (hasard.h) and Randomize reseeds it
// from the clock; a source built from a fixed seed steps its own copy and
// keeps its sequence through Randomize, so one seed gives one exercise.
class SourceAleatoire {
 public:
  // The program's source, on RandSeed.
  SourceAleatoire();
  // A source of its own, from a fixed seed.
  explicit SourceAleatoire(std::uint32_t graine);
  virtual ~SourceAleatoire() = default;

  // An integer in 0..n-1 (0 when n <= 0).
  virtual int Random(int n);
  // An integer in a..b-1 (a when b <= a).
  virtual int RandomRange(int a, int b);
  virtual void Randomize();

  std::uint32_t graine() const;

 private:
  std::uint32_t propre_ = 0;
  std::uint32_t* graine_;
};

// Receives the question a generator builds.
class Presentateur {
 public:
  virtual ~Presentateur() = default;

  // Before every exercise (fresh random seed, no required form, answers in
  // order, the chart hidden, the validation bar shown).
  virtual void preparer_exercice() = 0;
  // Draws the statement, creates one answer control per slot of `format`
  // and keeps the expected answers and the correction.
  virtual void poser_question(const std::string& question, const std::string& format,
                              const std::vector<std::string>& reponses, const std::string& correction,
                              bool avec_saisie) = 0;
  // The required form of the answer ("" or "factoriser").
  virtual void definir_forme_reponse(const std::string& forme) = 0;
  // Whether the answers must come in slot order.
  virtual void definir_reponses_ordonnees(bool ordonnees) = 0;
  // Hides the input area (an exercise answered on the chart).
  virtual void masquer_saisie() = 0;

  // Format "T", one answer, no input area (answered by a click on the chart).
  void poser_question_simple(const std::string& question, const std::string& reponse,
                             const std::string& correction);
  // Format "T", one answer.
  void poser_question_saisie(const std::string& question, const std::string& reponse,
                             const std::string& correction);
  // Format "T;T", the answers in their order.
  void poser_question_double(const std::string& question, const std::vector<std::string>& reponses,
                             const std::string& correction);
  // Format "C(" + the choices joined by ";" + ")", one answer: the right item.
  void poser_question_choix(const std::string& question, const std::vector<std::string>& choix,
                            const std::string& reponse, const std::string& correction);
};

struct ContexteGenerateur {
  SourceAleatoire& hasard;
  Presentateur& presentateur;
  const Texercices& catalogue;
  // The texts of the interface language (statement templates).
  const Tcatalogue_textes& textes = catalogue_textes;
};
