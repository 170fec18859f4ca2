#pragma once
// The program's colour values (32 bits: red in the low byte, then green, then
// blue) as Qt colours. A value whose high byte is 0xFF names a system colour
// by its index in the low byte; each maps to a fixed RGB, the usual desktop
// default, so the look does not hang on the user's desktop theme.

#include <QColor>
#include <cstdint>

inline constexpr std::int32_t couleur_noire = 0x000000;
inline constexpr std::int32_t couleur_blanche = 0xFFFFFF;
inline constexpr std::int32_t couleur_rouge = 0x0000FF;
inline constexpr std::int32_t couleur_verte = 0x008000;
inline constexpr std::int32_t couleur_bleue = 0xFF0000;
// System colour 15, the face of buttons and dialogs.
inline constexpr std::int32_t couleur_face_bouton = -16777201;

// Other high bytes are ignored (only the RGB bytes count); an unknown system
// index gives black.
QColor couleur_qt(std::int32_t valeur);
