#pragma once
// What a generator works with: a random source, a presenter that receives
// the question, and the catalogue. The program gives the run's own; tests
// give seeded sources and recording presenters.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/serie_courbe.h"
#include "localisation/catalogue.h"
#include "localisation/chrono.h"

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
  // min(a, b) + Random(|b - a|): the upper bound is never drawn (a when b == a).
  virtual int RandomRange(int a, int b);
  virtual void Randomize();
  // A real in [0, 1): the next state over 2^32.
  virtual double RandomReel();

  std::uint32_t graine() const;
  // The draws made so far (Random, RandomRange and RandomReel each count one).
  std::uint64_t tirages() const { return tirages_; }

 protected:
  // Counts one draw; sources that draw otherwise call it themselves.
  void compter_tirage() { ++tirages_; }

 private:
  std::uint32_t propre_ = 0;
  std::uint32_t* graine_;
  std::uint64_t tirages_ = 0;
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

// The exercise chart as generators use it: the series, the two axes and
// whether the chart shows and takes clicks. Colours are 0x00BBGGRR; a point
// series draws its markers in its pen colour.
class GraphiqueExercice {
 public:
  enum class Axe { gauche, bas };

  virtual ~GraphiqueExercice() = default;

  virtual void RemoveAllSeries() = 0;
  // Adds an empty series and returns its index.
  virtual int NewLineSeries() = 0;
  virtual int NewPointSeries() = 0;
  virtual void AddXY(int serie, double x, double y) = 0;
  virtual void SetPenColor(int serie, std::uint32_t couleur) = 0;
  virtual void SetPenWidth(int serie, int largeur) = 0;
  virtual int SeriesCount() const = 0;
  // The points of a series (0 for an index with no series).
  virtual int Count(int serie) const = 0;
  // A series seen as a curve series, for a curve to plot itself into (title,
  // markers, points); nothing for an index with no series, or on a chart
  // that keeps no series.
  virtual std::unique_ptr<Tserie_courbe> SerieCourbe(int /*serie*/) { return nullptr; }

  virtual void SetVisible(Axe axe, bool visible) = 0;
  virtual void SetGridVisible(Axe axe, bool visible) = 0;
  virtual void SetPositionPercent(Axe axe, double pourcentage) = 0;
  virtual void SetMinMax(Axe axe, double minimum, double maximum) = 0;
  virtual void SetAutomatic(Axe axe, bool automatique) = 0;

  // The chart shown, and taking clicks.
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool actif) = 0;
};

// Where a generator leaves a text for the calculator's input line.
class SaisieCalculatrice {
 public:
  virtual ~SaisieCalculatrice() = default;
  virtual void definir_texte(const std::string& texte) = 0;
};

// The program's chart and calculator input: the window installs its own
// (nullptr puts back one that ignores every call).
void installer_graphique_programme(GraphiqueExercice* graphique);
GraphiqueExercice& graphique_programme();
void installer_calculatrice_programme(SaisieCalculatrice* saisie);
SaisieCalculatrice& calculatrice_programme();

struct ContexteGenerateur {
  SourceAleatoire& hasard;
  Presentateur& presentateur;
  const Texercices& catalogue;
  // The texts of the interface language (statement templates).
  const Tcatalogue_textes& textes = catalogue_textes;
  GraphiqueExercice& graphique = graphique_programme();
  SaisieCalculatrice& calculatrice = calculatrice_programme();
  // Whether the run checks itself (generer_relatif's endless-loop message).
  bool mode_test = ::mode_test;
};
