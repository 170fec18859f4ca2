#include "localisation/texte_1252.h"

#include <array>
#include <optional>

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> plage_80_9f = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void ajoute_utf8(std::string& sortie, char32_t point) {
  if (point < 0x80) {
    sortie.push_back(static_cast<char>(point));
  } else if (point < 0x800) {
    sortie.push_back(static_cast<char>(0xC0 | (point >> 6)));
    sortie.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else if (point < 0x10000) {
    sortie.push_back(static_cast<char>(0xE0 | (point >> 12)));
    sortie.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    sortie.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  } else {
    sortie.push_back(static_cast<char>(0xF0 | (point >> 18)));
    sortie.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
    sortie.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
    sortie.push_back(static_cast<char>(0x80 | (point & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at `i`; advances `i` past it. Overlong forms,
// surrogates and values above U+10FFFF are refused (nullopt, `i` moved by one).
std::optional<char32_t> lit_utf8(std::string_view texte, std::size_t& i) {
  const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(texte[k]); };
  const unsigned char premier = octet(i);
  int suite = 0;
  char32_t point = 0;
  char32_t minimum = 0;
  if (premier < 0x80) {
    ++i;
    return premier;
  } else if ((premier & 0xE0) == 0xC0) {
    suite = 1, point = premier & 0x1F, minimum = 0x80;
  } else if ((premier & 0xF0) == 0xE0) {
    suite = 2, point = premier & 0x0F, minimum = 0x800;
  } else if ((premier & 0xF8) == 0xF0) {
    suite = 3, point = premier & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return std::nullopt;
  }
  if (i + suite >= texte.size()) {  // truncated sequence
    ++i;
    return std::nullopt;
  }
  for (int k = 1; k <= suite; ++k) {
    const unsigned char c = octet(i + k);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return std::nullopt;
    }
    point = (point << 6) | (c & 0x3F);
  }
  if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
    ++i;
    return std::nullopt;
  }
  i += suite + 1;
  return point;
}

}  // namespace

char32_t point_code_1252(unsigned char octet) {
  if (octet >= 0x80 && octet <= 0x9F) return plage_80_9f[octet - 0x80];
  return octet;
}

char octet_1252(char32_t point) {
  if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) return static_cast<char>(point);
  for (std::size_t k = 0; k < plage_80_9f.size(); ++k) {
    if (plage_80_9f[k] == point) return static_cast<char>(0x80 + k);
  }
  return '?';
}

std::string vers_utf8(std::string_view texte_1252) {
  std::string sortie;
  sortie.reserve(texte_1252.size() + texte_1252.size() / 4);
  for (const char c : texte_1252) ajoute_utf8(sortie, point_code_1252(static_cast<unsigned char>(c)));
  return sortie;
}

std::string depuis_utf8(std::string_view texte_utf8) {
  std::string sortie;
  sortie.reserve(texte_utf8.size());
  std::size_t i = 0;
  while (i < texte_utf8.size()) {
    const auto point = lit_utf8(texte_utf8, i);
    sortie.push_back(point ? octet_1252(*point) : '?');
  }
  return sortie;
}

bool est_utf8_valide(std::string_view octets) {
  std::size_t i = 0;
  while (i < octets.size()) {
    if (!lit_utf8(octets, i)) return false;
  }
  return true;
}

std::string octets_fichier_vers_1252(std::string_view octets) {
  if (octets.starts_with("\xEF\xBB\xBF")) octets.remove_prefix(3);
  bool ascii = true;
  for (const char c : octets) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii || !est_utf8_valide(octets)) return std::string(octets);
  return depuis_utf8(octets);
}
