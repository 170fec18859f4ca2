#include "engine/entiers_longs.h"

#include <gmpxx.h>

#include <cfloat>

#include "localisation/nombres.h"

namespace {

// The largest double lies below 2^1024: a power with that many bits or
// more is out of range before it is made.
constexpr std::uint64_t bits_hors_des_doubles = 1024;

// A quotient is written with its first digit in units: q holds its
// significant digits while 10^(chiffres - 1) <= q < 10^chiffres.
constexpr int chiffres = chiffres_significatifs_standard;

bool dans_les_doubles(const mpz_class& x) { return mpz_cmpabs_d(x.get_mpz_t(), DBL_MAX) <= 0; }

std::optional<mpz_class> lu(const std::string& t) {
  mpz_class x;
  if (x.set_str(t, 10) != 0 || !dans_les_doubles(x)) return std::nullopt;
  return x;
}

std::optional<std::string> ecrit(const mpz_class& x) {
  if (!dans_les_doubles(x)) return std::nullopt;
  return x.get_str();
}

mpz_class puissance_de_dix(long k) {
  mpz_class r;
  mpz_ui_pow_ui(r.get_mpz_t(), 10, static_cast<unsigned long>(k));
  return r;
}

}  // namespace

std::optional<std::string> somme_longue(const std::string& a, const std::string& b) {
  const auto x = lu(a);
  const auto y = lu(b);
  if (!x || !y) return std::nullopt;
  return ecrit(*x + *y);
}

std::optional<std::string> difference_longue(const std::string& a, const std::string& b) {
  const auto x = lu(a);
  const auto y = lu(b);
  if (!x || !y) return std::nullopt;
  return ecrit(*x - *y);
}

std::optional<std::string> produit_long(const std::string& a, const std::string& b) {
  const auto x = lu(a);
  const auto y = lu(b);
  if (!x || !y) return std::nullopt;
  return ecrit(*x * *y);
}

std::optional<std::string> puissance_longue(const std::string& base, std::uint64_t exposant) {
  const auto b = lu(base);
  if (!b) return std::nullopt;
  // 0, 1 and -1 keep their size; any other base has at least `bits - 1`
  // bits and grows by as many at each step.
  if (abs(*b) <= 1 && exposant > 2) exposant = 2 - exposant % 2;
  const std::uint64_t bits = mpz_sizeinbase(b->get_mpz_t(), 2);
  if (bits > 1 && exposant > bits_hors_des_doubles / (bits - 1)) return std::nullopt;
  mpz_class r;
  mpz_pow_ui(r.get_mpz_t(), b->get_mpz_t(), static_cast<unsigned long>(exposant));
  return ecrit(r);
}

std::string quotient_long_ecrit(const std::string& n, const std::string& d) {
  mpz_class a;
  mpz_class b;
  if (a.set_str(n, 10) != 0 || b.set_str(d, 10) != 0) return "0";  // no integer texts: never asked
  const bool negatif = sgn(a) * sgn(b) < 0;
  a = abs(a);
  b = abs(b);
  if (a == 0 || b == 0) return "0";
  // q = floor(a * 10^s / b), s chosen so that q has `chiffres` digits; the
  // sizes in base 10 may be one too large, which the loop corrects.
  long s = (chiffres - 1) - (static_cast<long>(mpz_sizeinbase(a.get_mpz_t(), 10)) -
                             static_cast<long>(mpz_sizeinbase(b.get_mpz_t(), 10)));
  const mpz_class plus_petit = puissance_de_dix(chiffres - 1);
  const mpz_class plus_grand = puissance_de_dix(chiffres);
  mpz_class q;
  mpz_class reste;
  mpz_class diviseur;
  for (;;) {
    mpz_class dividende = a;
    diviseur = b;
    if (s >= 0) {
      dividende *= puissance_de_dix(s);
    } else {
      diviseur *= puissance_de_dix(-s);
    }
    mpz_fdiv_qr(q.get_mpz_t(), reste.get_mpz_t(), dividende.get_mpz_t(), diviseur.get_mpz_t());
    if (q >= plus_grand) {
      --s;
    } else if (q < plus_petit) {
      ++s;
    } else {
      break;
    }
  }
  // Half up on the magnitude, as the number text rounds.
  if (2 * reste >= diviseur) ++q;
  if (q == plus_grand) {
    q = plus_petit;
    --s;
  }
  return texte_nombre_decimal(negatif, q.get_str(), static_cast<int>(chiffres - 1 - s));
}

std::optional<std::string> perm_long(std::int64_t p, std::int64_t n) {
  // Every factor but a first 1 at least doubles the product: it leaves the
  // range within about a thousand steps, however large p is.
  mpz_class r = 1;
  for (std::int64_t i = n - p + 1; i <= n; ++i) {
    r *= static_cast<unsigned long>(i);
    if (!dans_les_doubles(r)) return std::nullopt;
    if (i == n) break;  // n may be the largest integer
  }
  return r.get_str();
}

std::optional<std::string> factorielle_longue(std::int64_t n) { return perm_long(n, n); }

std::optional<std::string> comb_long(std::int64_t p, std::int64_t n) {
  // C(n, p) = C(n, n - p): the shorter product. Step i gives C(n-k+i, i),
  // at least twice the one before, so it too leaves the range soon.
  const std::int64_t k = p < n - p ? p : n - p;
  mpz_class r = 1;
  for (std::int64_t i = 1; i <= k; ++i) {
    r *= static_cast<unsigned long>(n - k + i);
    mpz_divexact_ui(r.get_mpz_t(), r.get_mpz_t(), static_cast<unsigned long>(i));
    if (!dans_les_doubles(r)) return std::nullopt;
  }
  return r.get_str();
}
