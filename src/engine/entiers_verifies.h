#pragma once
// Checked 64-bit integer arithmetic: an operation that would overflow or
// divide by zero gives no value, and the caller leaves its text as it is.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/primitives.h"
#include "localisation/nombres.h"

using Entier = std::optional<std::int64_t>;

inline Entier somme_verifiee(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_add_overflow(a, b, &r)) return std::nullopt;
  return r;
}

inline Entier difference_verifiee(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_sub_overflow(a, b, &r)) return std::nullopt;
  return r;
}

inline Entier produit_verifie(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_mul_overflow(a, b, &r)) return std::nullopt;
  return r;
}

inline Entier quotient_verifie(std::int64_t a, std::int64_t b) {
  if (b == 0 || (b == -1 && a == INT64_MIN)) return std::nullopt;
  return a / b;
}

inline Entier oppose_verifie(std::int64_t a) { return difference_verifiee(0, a); }

inline Entier valeur_absolue_verifiee(std::int64_t a) { return a < 0 ? oppose_verifie(a) : Entier(a); }

// base^exposant by squaring; the square is taken only while bits remain, so
// 2^62 does not fail on an unused 2^64.
inline Entier puissance_verifiee(std::int64_t base, std::uint64_t exposant) {
  std::int64_t r = 1;
  while (exposant != 0) {
    if (exposant & 1u) {
      if (__builtin_mul_overflow(r, base, &r)) return std::nullopt;
    }
    exposant >>= 1;
    if (exposant != 0 && __builtin_mul_overflow(base, base, &base)) {
      // Only 0, 1 and -1 survive squaring forever; anything else overflows.
      return std::nullopt;
    }
  }
  return r;
}

// Digits an integer text may hold to be read without an overflow check:
// 10^18 is below the largest 64-bit integer.
inline constexpr std::size_t chiffres_sans_debordement = 18;

// The integer written by an integer text (est_entier), when it fits. A
// short text of a "-" and digits, the commonest, is read here; any other
// is read as the number layer reads it.
inline Entier entier_du_texte(const std::string& t) {
  const std::size_t debut = !t.empty() && t[0] == '-' ? 1 : 0;
  const std::size_t chiffres = t.size() - debut;
  if (chiffres == 0 || chiffres > chiffres_sans_debordement) return lire_entier64(t);
  std::int64_t valeur = 0;
  for (std::size_t i = debut; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return lire_entier64(t);
    valeur = valeur * 10 + (t[i] - '0');
  }
  return debut ? -valeur : valeur;
}

// The value of t when t is an integer text that fits; "+3", " 3" and "3.0"
// are no integer texts.
inline Entier entier_ecrit(const std::string& t) { return est_entier(t) ? entier_du_texte(t) : std::nullopt; }

// Two integer texts combined by '+', '-' or '*' in checked arithmetic: no
// value for other texts, another operator or a result that does not fit.
inline Entier entiers_combines(const std::string& a, const std::string& b, char operateur) {
  const Entier x = entier_ecrit(a);
  const Entier y = entier_ecrit(b);
  if (!x || !y) return std::nullopt;
  switch (operateur) {
    case '+': return somme_verifiee(*x, *y);
    case '-': return difference_verifiee(*x, *y);
    case '*': return produit_verifie(*x, *y);
    default: return std::nullopt;
  }
}
