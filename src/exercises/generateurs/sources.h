#pragma once
// The random sources of a headless run: a seeded one that stops a run
// drawing past its limit, and a scripted one that hands out given draws
// first (each checked against the bound it is drawn with), then goes on
// from a seed.

#include <cstdint>
#include <deque>
#include <limits>
#include <stdexcept>
#include <vector>

#include "exercises/contexte_generateur.h"

// Thrown by a source whose draw limit is passed, or by a scripted draw that
// does not fit its bound.
class ErreurTirage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::uint64_t tirages_sans_limite = std::numeric_limits<std::uint64_t>::max();

// The exercises' generator on a state of its own: a seed gives the same
// draws everywhere. Drawing past `limite` throws ErreurTirage.
class SourceGraine : public SourceAleatoire {
 public:
  explicit SourceGraine(std::uint32_t graine, std::uint64_t limite = tirages_sans_limite);

  int Random(int n) override;
  double RandomReel() override;

 private:
  void verifier_limite() const;
  std::uint64_t limite_;
};

// Scripted draws, then the seeded tail. Random(n) takes a value in 0..n-1,
// RandomRange(a, b) the value itself (min(a, b) up to max(a, b) excluded),
// RandomReel a value in [0, 1). Random(n <= 0) and RandomRange(a, a) take
// nothing from the script.
class SourceScriptee : public SourceGraine {
 public:
  SourceScriptee(std::vector<double> tirages, std::uint32_t graine = 0,
                 std::uint64_t limite = tirages_sans_limite);

  int Random(int n) override;
  int RandomRange(int a, int b) override;
  double RandomReel() override;

  // Scripted draws not used yet.
  std::size_t restants() const { return script_.size(); }

 private:
  double prendre(double minimum, double maximum_exclu, bool entier);
  std::deque<double> script_;
};
