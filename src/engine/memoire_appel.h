#pragma once
// Results of the algebra routines remembered for the length of one outermost
// engine call. The routines call one another in a knot (fraction ->
// regroupe_somme -> regroupe_factorise_lettre -> regroupe_factorise_lettre_globale
// -> fraction) and ask the same questions over and over: a sum of 12 terms
// asked regroupe_somme 87,000 times about 700 texts. Each answer depends only
// on its text and on the function and constants tables, which do not change
// during a call; everything is dropped when the next outermost call begins.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/profondeur.h"
#include "localisation/chrono.h"

enum class Routine {
  regroupe_somme,
  regroupe_produit,
  fraction,
  calcul_facteur,
  developper,
  reduire,
  factorise,
  facteur_global,
  valeur_exacte,
  valeur_approchee,
  decompose_somme,
  memes_termes_signes,
  factorise_lettre,
  parties_complexes,
  nombre,  // keep last
};

// What a call set aside (AppelAPart) asks of each kind of memory: keep the
// current call's results apart and give them back afterwards.
class MemoireMiseDeCote {
 public:
  virtual void mettre_de_cote() = 0;
  virtual void reprendre() = 0;
  // Forgets everything: a memory first used while its call was aside.
  virtual void oublier() = 0;

 protected:
  MemoireMiseDeCote();
  ~MemoireMiseDeCote() = default;
};

// Every memory made so far, in the order they were first used.
std::vector<MemoireMiseDeCote*>& memoires_appel();

// Runs what follows (for its lifetime) as outermost calls of their own, even
// from inside a call: they start at depth 0 with no work counted and an empty
// memory, under the tables in force. The call that was running then goes on
// with its depth, its work and its memory as they were, so its answer is the
// one it gives when nothing ran in between.
class AppelAPart {
 public:
  AppelAPart();
  ~AppelAPart();
  AppelAPart(const AppelAPart&) = delete;
  AppelAPart& operator=(const AppelAPart&) = delete;

 private:
  EtatProfondeur etat_;
  std::size_t memoires_;
};

// The results of one kind (a text, a pair of arrays, a truth) for each
// routine, keyed by their text.
template <class Valeur>
class MemoireAppel final : public MemoireMiseDeCote {
 public:
  void mettre_de_cote() override {
    de_cote_.push_back({appel_, std::move(resultats_)});
    resultats_ = {};
  }
  void reprendre() override {
    appel_ = de_cote_.back().appel;
    resultats_ = std::move(de_cote_.back().resultats);
    de_cote_.pop_back();
  }
  void oublier() override { resultats_ = {}; }

  const Valeur* cherche(Routine routine, const std::string& cle) {
    auto& r = de(routine);
    const auto it = r.find(cle);
    return it == r.end() ? nullptr : &it->second;
  }
  void retient(Routine routine, const std::string& cle, const Valeur& valeur) {
    de(routine).insert_or_assign(cle, valeur);
  }

 private:
  std::unordered_map<std::string, Valeur>& de(Routine routine) {
    if (appel_ != appel_externe()) {
      // A fresh table rather than clear(): clearing walks every bucket a
      // large call left behind, and the memory is given back. The table is
      // swapped with an empty one: "r = {}" would assign an empty list,
      // which clears the table and keeps its buckets.
      for (auto& r : resultats_) {
        if (!r.empty()) std::unordered_map<std::string, Valeur>().swap(r);
      }
      appel_ = appel_externe();
    }
    return resultats_[static_cast<std::size_t>(routine)];
  }

  using Resultats = std::array<std::unordered_map<std::string, Valeur>, static_cast<std::size_t>(Routine::nombre)>;
  struct DeCote {
    std::uint64_t appel;
    Resultats resultats;
  };

  std::uint64_t appel_ = 0;
  Resultats resultats_;
  std::vector<DeCote> de_cote_;
};

template <class Valeur>
MemoireAppel<Valeur>& memoire_appel() {
  static MemoireAppel<Valeur> m;
  return m;
}

// The routine's result through the memory: `calcul` runs only for a key not
// seen during this call. The guard opened first makes a call from outside
// the engine a new call, so nothing from an earlier one is used. A result
// worked out once the work stopped (a limit passed, a call refused) lacks
// what was not worked out: it is never kept as the key's answer.
template <class Calcul>
auto memorise(Routine routine, const std::string& cle, Calcul&& calcul) {
  using Valeur = decltype(calcul());
  const GardeProfondeur garde;
  auto& memoire = memoire_appel<Valeur>();
  // One result object returned from both paths, so it is built in place.
  const Valeur* connue = memoire.cherche(routine, cle);
  const bool nouvelle = connue == nullptr;
  Valeur v = nouvelle ? calcul() : *connue;
  if (nouvelle) {
    compte_travail(cle.size());
    if (!garde.depassee()) memoire.retient(routine, cle, v);
  }
  return v;
}

// A public routine of the engine: under the depth guard, timed for the
// trace under `etiquette` (a label or a callable building it), its result
// remembered for the rest of the call.
template <class Etiquette, class Calcul>
std::string routine_memorisee(Routine routine, const std::string& cle, Etiquette&& etiquette, Calcul&& calcul) {
  GardeProfondeur garde;
  if (garde.depassee()) return "";
  std::uint32_t debut = 0;
  debut_chrono(debut);
  std::string r = memorise(routine, cle, std::forward<Calcul>(calcul));
  fin_chrono(std::forward<Etiquette>(etiquette), debut);
  return resultat_garde(garde, std::move(r));
}
