#pragma once
// The small seekable byte streams the codec reads and writes: one over a
// block of memory, one over a file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace png {

class TFluxPng {
 public:
  virtual ~TFluxPng() = default;
  // Reads up to `taille` bytes; returns how many were read (0 at the end).
  virtual std::size_t lire(void* tampon, std::size_t taille) = 0;
  // Writes every byte or throws std::runtime_error.
  virtual void ecrire(const void* tampon, std::size_t taille) = 0;
  virtual std::uint64_t position() const = 0;
  virtual std::uint64_t taille() const = 0;
  // Moves to an absolute position, at most the size.
  virtual void deplacer(std::uint64_t position) = 0;
  std::uint64_t restant() const { return taille() - position(); }
};

class TFluxMemoire : public TFluxPng {
 public:
  TFluxMemoire() = default;
  explicit TFluxMemoire(std::vector<std::uint8_t> octets) : octets_(std::move(octets)) {}
  TFluxMemoire(const std::uint8_t* octets, std::size_t taille) : octets_(octets, octets + taille) {}
  std::size_t lire(void* tampon, std::size_t taille) override;
  void ecrire(const void* tampon, std::size_t taille) override;
  std::uint64_t position() const override { return position_; }
  std::uint64_t taille() const override { return octets_.size(); }
  void deplacer(std::uint64_t position) override;
  const std::vector<std::uint8_t>& octets() const { return octets_; }

 private:
  std::vector<std::uint8_t> octets_;
  std::size_t position_ = 0;
};

class TFluxFichier : public TFluxPng {
 public:
  enum class Mode { lecture, ecriture };
  // Opens the file; ouvert() tells whether that worked.
  TFluxFichier(const std::string& chemin, Mode mode);
  ~TFluxFichier() override;
  TFluxFichier(const TFluxFichier&) = delete;
  TFluxFichier& operator=(const TFluxFichier&) = delete;
  bool ouvert() const { return fichier_ != nullptr; }
  // Flushes and closes; false when the last bytes could not be written.
  bool fermer();
  std::size_t lire(void* tampon, std::size_t taille) override;
  void ecrire(const void* tampon, std::size_t taille) override;
  std::uint64_t position() const override { return position_; }
  std::uint64_t taille() const override { return taille_; }
  void deplacer(std::uint64_t position) override;

 private:
  std::FILE* fichier_ = nullptr;
  std::uint64_t position_ = 0;
  std::uint64_t taille_ = 0;
};

}  // namespace png
