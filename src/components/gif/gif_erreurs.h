#pragma once
// The codec's failures: one exception type carrying the message shown.

#include <stdexcept>
#include <string>

namespace gif {

inline constexpr const char* kErrVersion = "Unknown GIF version";
inline constexpr const char* kErrNombreCouleurs = "Wrong number of colors; must be a power of 2";
inline constexpr const char* kErrTailleCode = "GIF code size not in range 2 to 9";
inline constexpr const char* kErrDonneesCorrompues = "GIF encoded data is corrupt";
inline constexpr const char* kErrEncodage = "GIF image encoding error";
inline constexpr const char* kErrRienAEcrire = "No GIF Data to write";
inline constexpr const char* kErrTaille = "Cannot change the Size of a GIF image";
inline constexpr const char* kErrLecture = "Erreur de lecture du flux";

class EInvalidGraphicOperation : public std::runtime_error {
 public:
  explicit EInvalidGraphicOperation(const std::string& message) : std::runtime_error(message) {}
};

// "Unrecognized extension block: 77" for the label 0x77.
std::string message_extension_inconnue(unsigned label);

// Whether damaged frames load (keeping what was decoded) instead of raising.
bool ChargementTolerant();
void SetChargementTolerant(bool tolerant);

}  // namespace gif
