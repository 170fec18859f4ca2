#pragma once
// The runtime's Format, on the program's own number text: "%s", "%d", "%u",
// "%g", "%f" with optional index ("%1:s", 0-based), "-" flag, width and
// precision ("%.0f"), and "%%". It never throws: a missing argument gives an
// empty text, an unknown directive is copied as it stands, and the arguments
// themselves are never scanned for directives.

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

class ArgumentFormat {
 public:
  ArgumentFormat(std::string_view texte) : valeur_(texte) {}
  ArgumentFormat(const std::string& texte) : valeur_(std::string_view(texte)) {}
  ArgumentFormat(const char* texte) : valeur_(std::string_view(texte)) {}
  template <std::integral T>
  ArgumentFormat(T entier) : valeur_(static_cast<std::int64_t>(entier)) {}
  template <std::floating_point T>
  ArgumentFormat(T reel) : valeur_(static_cast<double>(reel)) {}

  const std::variant<std::string_view, std::int64_t, double>& valeur() const { return valeur_; }

 private:
  std::variant<std::string_view, std::int64_t, double> valeur_;
};

std::string Format(std::string_view modele, std::initializer_list<ArgumentFormat> arguments);
