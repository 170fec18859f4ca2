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
// The light and dark edges of raised and sunk frames (system colours 20, 16
// and 21), the tooltip background (24), disabled text (17) and the window
// background (5).
inline constexpr std::int32_t couleur_lumiere_bouton = -16777196;
inline constexpr std::int32_t couleur_ombre_bouton = -16777200;
inline constexpr std::int32_t couleur_ombre_3d = -16777195;
inline constexpr std::int32_t couleur_fond_conseil = -16777192;
inline constexpr std::int32_t couleur_texte_grise = -16777199;
inline constexpr std::int32_t couleur_fenetre = -16777211;
inline constexpr std::int32_t couleur_bleu_ciel = 0xF0CAA6;
inline constexpr std::int32_t couleur_grise = 0x808080;
// No colour at all: a control painted in it lets what lies behind show.
inline constexpr std::int32_t couleur_aucune = 0x1FFFFFFF;

// Other high bytes are ignored (only the RGB bytes count); an unknown system
// index gives black, couleur_aucune a fully transparent colour.
QColor couleur_qt(std::int32_t valeur);
