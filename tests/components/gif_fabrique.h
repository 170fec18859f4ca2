#pragma once
// Hand-made GIF files for the tests: a bit writer that emits literal codes
// only, with clear codes placed so the code width never grows.

#include <cstdint>
#include <string>
#include <vector>

namespace gif_test {

using Octets = std::vector<std::uint8_t>;

inline void mot(Octets& o, unsigned v) {
  o.push_back(std::uint8_t(v));
  o.push_back(std::uint8_t(v >> 8));
}

// Header, screen descriptor and a global table of 2^bits colours (none when bits is 0).
inline Octets entete(unsigned largeur, unsigned hauteur, int bits, const std::string& version = "89a") {
  Octets o = {'G', 'I', 'F'};
  o.insert(o.end(), version.begin(), version.end());
  mot(o, largeur);
  mot(o, hauteur);
  o.push_back(bits > 0 ? std::uint8_t(0x80 | (bits - 1)) : 0);
  o.push_back(0);
  o.push_back(0);
  for (int i = 0; bits > 0 && i < (1 << bits); ++i) {
    o.push_back(std::uint8_t(i * 3));
    o.push_back(std::uint8_t(i * 5));
    o.push_back(std::uint8_t(i * 7));
  }
  return o;
}

// Packs codes of the given widths into sub-blocks, after the minimum code size byte.
class EcrivainBits {
 public:
  void code(unsigned valeur, int largeur) {
    bits_ |= std::uint64_t(valeur) << n_;
    n_ += largeur;
    while (n_ >= 8) {
      octets_.push_back(std::uint8_t(bits_));
      bits_ >>= 8;
      n_ -= 8;
    }
  }
  Octets fin(int taille_min) {
    if (n_ > 0) octets_.push_back(std::uint8_t(bits_));
    Octets o = {std::uint8_t(taille_min)};
    for (std::size_t i = 0; i < octets_.size(); i += 255) {
      const std::size_t n = std::min<std::size_t>(255, octets_.size() - i);
      o.push_back(std::uint8_t(n));
      o.insert(o.end(), octets_.begin() + std::ptrdiff_t(i), octets_.begin() + std::ptrdiff_t(i + n));
    }
    o.push_back(0);
    return o;
  }

 private:
  Octets octets_;
  std::uint64_t bits_ = 0;
  int n_ = 0;
};

// Literal-only LZW data for `pixels`, a clear code before every run that would widen codes.
inline Octets lzw_litteral(int taille_min, const std::vector<std::uint8_t>& pixels, bool clear_initial = true) {
  EcrivainBits e;
  const unsigned clear = 1u << taille_min;
  const int largeur = taille_min + 1;
  const std::size_t par_run = clear - 2;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (i % par_run == 0 && (i > 0 || clear_initial)) e.code(clear, largeur);
    e.code(pixels[i], largeur);
  }
  e.code(clear + 1, largeur);
  return e.fin(taille_min);
}

inline Octets image(unsigned largeur, unsigned hauteur, const Octets& donnees, std::uint8_t paquet = 0) {
  Octets o = {','};
  mot(o, 0);
  mot(o, 0);
  mot(o, largeur);
  mot(o, hauteur);
  o.push_back(paquet);
  o.insert(o.end(), donnees.begin(), donnees.end());
  return o;
}

inline Octets controle(std::uint8_t paquet, unsigned delai, std::uint8_t transparent) {
  Octets o = {0x21, 0xF9, 4, paquet};
  mot(o, delai);
  o.push_back(transparent);
  o.push_back(0);
  return o;
}

inline Octets boucle(const std::string& id, const Octets& bloc) {
  Octets o = {0x21, 0xFF, 11};
  o.insert(o.end(), id.begin(), id.end());
  o.push_back(std::uint8_t(bloc.size()));
  o.insert(o.end(), bloc.begin(), bloc.end());
  o.push_back(0);
  return o;
}

inline Octets operator+(Octets a, const Octets& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace gif_test
