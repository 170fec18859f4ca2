#include "components/png/png_flux.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace png {

std::size_t TFluxMemoire::lire(void* tampon, std::size_t taille) {
  const std::size_t n = std::min(taille, octets_.size() - position_);
  if (n > 0) std::memcpy(tampon, octets_.data() + position_, n);
  position_ += n;
  return n;
}

void TFluxMemoire::ecrire(const void* tampon, std::size_t taille) {
  if (taille == 0) return;
  const auto* debut = static_cast<const std::uint8_t*>(tampon);
  if (position_ + taille > octets_.size()) octets_.resize(position_ + taille);
  std::memcpy(octets_.data() + position_, debut, taille);
  position_ += taille;
}

void TFluxMemoire::deplacer(std::uint64_t position) {
  position_ = static_cast<std::size_t>(std::min<std::uint64_t>(position, octets_.size()));
}

TFluxFichier::TFluxFichier(const std::string& chemin, Mode mode) {
  fichier_ = std::fopen(chemin.c_str(), mode == Mode::lecture ? "rb" : "wb");
  if (fichier_ == nullptr || mode == Mode::ecriture) return;
  if (std::fseek(fichier_, 0, SEEK_END) == 0) {
    const long fin = std::ftell(fichier_);
    taille_ = fin > 0 ? static_cast<std::uint64_t>(fin) : 0;
  }
  std::fseek(fichier_, 0, SEEK_SET);
}

TFluxFichier::~TFluxFichier() { fermer(); }

bool TFluxFichier::fermer() {
  if (fichier_ == nullptr) return true;
  const bool reussi = std::fclose(fichier_) == 0;
  fichier_ = nullptr;
  return reussi;
}

std::size_t TFluxFichier::lire(void* tampon, std::size_t taille) {
  if (fichier_ == nullptr || taille == 0) return 0;
  const std::size_t n = std::fread(tampon, 1, taille, fichier_);
  position_ += n;
  return n;
}

void TFluxFichier::ecrire(const void* tampon, std::size_t taille) {
  if (taille == 0) return;
  if (fichier_ == nullptr || std::fwrite(tampon, 1, taille, fichier_) != taille) {
    throw std::runtime_error("write failed");
  }
  position_ += taille;
  taille_ = std::max(taille_, position_);
}

void TFluxFichier::deplacer(std::uint64_t position) {
  position = std::min(position, taille_);
  if (fichier_ != nullptr && std::fseek(fichier_, static_cast<long>(position), SEEK_SET) == 0) position_ = position;
}

}  // namespace png
