#pragma once
// Exact decimal numbers: a 64-bit mantissa times a power of ten, every step
// checked, so rounding and unit conversions never go through binary
// doubles. An operation whose result does not fit gives no value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The largest exponent a DecimalExact holds either way.
inline constexpr int exposant_limite = 340;

class DecimalExact {
 public:
  // Zero.
  DecimalExact() = default;
  // mantisse * 10^exposant (the exponent is kept within -exposant_limite..exposant_limite).
  DecimalExact(std::int64_t mantisse, int exposant = 0);

  // A plain decimal text: optional "-", digits, optional "." and digits
  // ("3", "-0.25", ".5"); no value for anything else or too many digits.
  static std::optional<DecimalExact> lire(std::string_view texte);

  std::int64_t mantisse() const { return mantisse_; }
  int exposant() const { return exposant_; }
  bool est_nul() const { return mantisse_ == 0; }
  bool est_entier() const { return exposant_ >= 0; }
  // The number of decimals written by texte() (0 for an integer).
  int decimales() const { return exposant_ < 0 ? -exposant_ : 0; }
  // The order of magnitude: the digits of the mantissa plus the exponent
  // (1234 gives 4, 0.05 gives -1, 0 gives 1).
  int ordre() const;

  // Rounded to `decimales` decimals (below zero: to tens, hundreds...),
  // halves away from zero: 56.5 to 0 decimals is 57, -2.5 is -3.
  std::optional<DecimalExact> arrondi(int decimales) const;
  // Times 10^k.
  std::optional<DecimalExact> fois_puissance_dix(int k) const;

  std::optional<DecimalExact> plus(const DecimalExact& autre) const;
  std::optional<DecimalExact> moins(const DecimalExact& autre) const;
  std::optional<DecimalExact> fois(const DecimalExact& autre) const;
  // No value for the opposite of the lowest mantissa, which does not fit.
  std::optional<DecimalExact> oppose() const;

  // The integer value when the number is an integer that fits.
  std::optional<std::int64_t> entier() const;
  // The nearest double.
  double valeur() const;

  // Plain decimal text: "-0.000003", "57", "3.6235"; no exponent, no
  // trailing zero after the point, never "-0".
  std::string texte() const;

  friend bool operator==(const DecimalExact& a, const DecimalExact& b) = default;
  // -1, 0 or 1.
  friend int comparer(const DecimalExact& a, const DecimalExact& b);

 private:
  void normaliser();

  std::int64_t mantisse_ = 0;
  int exposant_ = 0;  // the mantissa ends with no zero digit, and 0 has exponent 0
};
