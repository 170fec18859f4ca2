#pragma once
// Text in the core is Windows-1252, one byte per character ("\xEE" is the
// imaginary unit). These helpers convert at the edges: console, data files,
// files on disk. The Qt side has its own pair in platform/texte_qt.h.

#include <string>
#include <string_view>

// Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081... so that
// every byte survives a round trip.
char32_t point_code_1252(unsigned char octet);

// Windows-1252 byte of a code point, or '?' when the code page has none.
char octet_1252(char32_t point);

std::string vers_utf8(std::string_view texte_1252);

// Invalid UTF-8 sequences and characters outside the code page become '?'.
std::string depuis_utf8(std::string_view texte_utf8);

// True when the bytes are well-formed UTF-8 (ASCII included).
bool est_utf8_valide(std::string_view octets);

// Bytes read from a file: a UTF-8 byte-order mark is dropped; a valid UTF-8
// text holding non-ASCII characters is converted; anything else is taken as
// Windows-1252 already.
std::string octets_fichier_vers_1252(std::string_view octets);
