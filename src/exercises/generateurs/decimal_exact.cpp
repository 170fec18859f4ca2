#include "exercises/generateurs/decimal_exact.h"

#include <cmath>
#include <limits>

#include "localisation/nombres.h"

namespace {

constexpr int base = 10;
// 10^18 is the largest power of ten of a signed 64-bit integer.
constexpr int chiffres_int64 = 18;

// 10^k for k in 0..18.
std::int64_t puissance_dix(int k) {
  std::int64_t p = 1;
  for (int i = 0; i < k; ++i) p *= base;
  return p;
}

// m * 10^k, checked.
std::optional<std::int64_t> decaler(std::int64_t m, int k) {
  if (m == 0) return 0;
  if (k > chiffres_int64) return std::nullopt;
  std::int64_t r = 0;
  if (__builtin_mul_overflow(m, puissance_dix(k), &r)) return std::nullopt;
  return r;
}

int nombre_chiffres(std::int64_t m) {
  int n = 1;
  while (m >= base || m <= -base) {
    m /= base;
    ++n;
  }
  return n;
}

std::string chiffres_absolus(std::int64_t m) {
  // The magnitude of INT64_MIN does not fit: its text drops the sign.
  std::string t = texte_entier(m);
  return t[0] == '-' ? t.substr(1) : t;
}

}  // namespace

DecimalExact::DecimalExact(std::int64_t mantisse, int exposant) : mantisse_(mantisse), exposant_(exposant) {
  normaliser();
}

void DecimalExact::normaliser() {
  if (mantisse_ == 0) {
    exposant_ = 0;
    return;
  }
  while (mantisse_ % base == 0) {
    mantisse_ /= base;
    ++exposant_;
  }
}

std::optional<DecimalExact> DecimalExact::lire(std::string_view texte) {
  std::size_t i = 0;
  const bool negatif = !texte.empty() && texte[0] == '-';
  if (negatif) ++i;
  std::int64_t m = 0;
  int exposant = 0;
  bool point = false;
  bool chiffre = false;
  for (; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (!est_chiffre(c)) return std::nullopt;
    chiffre = true;
    if (__builtin_mul_overflow(m, base, &m) || __builtin_add_overflow(m, negatif ? '0' - c : c - '0', &m)) {
      return std::nullopt;
    }
    if (point) --exposant;
  }
  if (!chiffre || exposant < -exposant_limite) return std::nullopt;
  return DecimalExact(m, exposant);
}

std::optional<DecimalExact> DecimalExact::arrondi(int decimales) const {
  // Digits of the mantissa to drop (in 64 bits: any int count is taken).
  const std::int64_t coupe = -static_cast<std::int64_t>(decimales) - exposant_;
  if (coupe <= 0) return *this;
  if (coupe > chiffres_int64 + 1) return DecimalExact();
  if (coupe == chiffres_int64 + 1) {
    // One unit of the last decimal kept, reached from a mantissa of 5*10^18 on.
    const std::int64_t moitie = 5 * puissance_dix(chiffres_int64);
    if (mantisse_ >= moitie) return DecimalExact(1, -decimales);
    if (mantisse_ <= -moitie) return DecimalExact(-1, -decimales);
    return DecimalExact();
  }
  const std::int64_t diviseur = puissance_dix(static_cast<int>(coupe));
  std::int64_t quotient = mantisse_ / diviseur;
  const std::int64_t reste = mantisse_ % diviseur;
  const std::int64_t reste_absolu = reste < 0 ? -reste : reste;
  if (reste_absolu >= diviseur - reste_absolu) quotient += mantisse_ < 0 ? -1 : 1;
  return DecimalExact(quotient, -decimales);
}

std::optional<DecimalExact> DecimalExact::fois_puissance_dix(int k) const {
  if (mantisse_ == 0) return *this;
  if (k > exposant_limite || k < -exposant_limite) return std::nullopt;
  const int e = exposant_ + k;
  if (e > exposant_limite || e < -exposant_limite) return std::nullopt;
  return DecimalExact(mantisse_, e);
}

std::optional<DecimalExact> DecimalExact::plus(const DecimalExact& autre) const {
  if (est_nul()) return autre;
  if (autre.est_nul()) return *this;
  const int e = exposant_ < autre.exposant_ ? exposant_ : autre.exposant_;
  const auto a = decaler(mantisse_, exposant_ - e);
  const auto b = decaler(autre.mantisse_, autre.exposant_ - e);
  std::int64_t somme = 0;
  if (!a || !b || __builtin_add_overflow(*a, *b, &somme)) return std::nullopt;
  return DecimalExact(somme, e);
}

std::optional<DecimalExact> DecimalExact::oppose() const {
  if (mantisse_ == std::numeric_limits<std::int64_t>::min()) return std::nullopt;
  return DecimalExact(-mantisse_, exposant_);
}

std::optional<DecimalExact> DecimalExact::moins(const DecimalExact& autre) const {
  const auto oppose_autre = autre.oppose();
  if (!oppose_autre) return std::nullopt;
  return plus(*oppose_autre);
}

std::optional<DecimalExact> DecimalExact::fois(const DecimalExact& autre) const {
  std::int64_t produit = 0;
  if (__builtin_mul_overflow(mantisse_, autre.mantisse_, &produit)) return std::nullopt;
  if (produit == 0) return DecimalExact();
  const int e = exposant_ + autre.exposant_;
  if (e > exposant_limite || e < -exposant_limite) return std::nullopt;
  return DecimalExact(produit, e);
}

std::optional<std::int64_t> DecimalExact::entier() const {
  if (exposant_ < 0) return std::nullopt;
  return decaler(mantisse_, exposant_);
}

double DecimalExact::valeur() const {
  const auto v = lire_nombre(texte());
  return v ? *v : 0.0;
}

std::string DecimalExact::texte() const {
  if (mantisse_ == 0) return "0";
  std::string chiffres = chiffres_absolus(mantisse_);
  const std::string signe = mantisse_ < 0 ? "-" : "";
  if (exposant_ >= 0) return signe + chiffres + std::string(static_cast<std::size_t>(exposant_), '0');
  const auto decimales = static_cast<std::size_t>(-exposant_);
  if (chiffres.size() <= decimales) chiffres.insert(0, decimales + 1 - chiffres.size(), '0');
  return signe + chiffres.substr(0, chiffres.size() - decimales) + "." + chiffres.substr(chiffres.size() - decimales);
}

int DecimalExact::ordre() const { return nombre_chiffres(mantisse_) + exposant_; }

int comparer(const DecimalExact& a, const DecimalExact& b) {
  const int sa = (a.mantisse() > 0) - (a.mantisse() < 0);
  const int sb = (b.mantisse() > 0) - (b.mantisse() < 0);
  if (sa != sb || sa == 0) return sa < sb ? -1 : (sa > sb ? 1 : 0);
  // Same sign: the order of magnitude first, then the aligned mantissas.
  const int ordre_a = a.ordre();
  const int ordre_b = b.ordre();
  if (ordre_a != ordre_b) return (ordre_a < ordre_b ? -1 : 1) * sa;
  const int e = a.exposant() < b.exposant() ? a.exposant() : b.exposant();
  __extension__ using grand = __int128;
  grand ma = a.mantisse();
  grand mb = b.mantisse();
  for (int i = e; i < a.exposant(); ++i) ma *= base;
  for (int i = e; i < b.exposant(); ++i) mb *= base;
  return ma < mb ? -1 : (ma > mb ? 1 : 0);
}
