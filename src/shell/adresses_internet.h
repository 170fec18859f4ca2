#pragma once
// The text work of the program's web requests: the e-mail check of the
// newsletter, the system proxy list and its "http" entry, query values and
// the addresses built on the product's web server.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// An address of letters, digits and "-._~" (checked in lower case) with one
// "@", a non-empty part on each side and a "." in the domain.
bool email_valide(std::string_view adresse);

// A proxy host and port; port 0 and an empty host mean no proxy.
struct Tproxy {
  std::string hote;
  int port = 0;

  bool operator==(const Tproxy&) const = default;
};

// The entry of `protocole` in a proxy list "http=h:p;https=h:p", or the list
// itself when it is a single "host:port". A list whose entries name other
// protocols only, or a text without ":", gives an empty host and port 0; a
// port that is no integer from 0 to 65535 gives 0.
Tproxy extraire_proxy(std::string_view liste, std::string_view protocole);

// Reads one environment variable; nothing when it is unset.
using Tlecteur_environnement = std::function<std::optional<std::string>(const char*)>;

// The system proxy list "http=host:port;https=host:port" built from
// http_proxy and https_proxy (lower case first, then upper case), each
// stripped of its scheme, credentials and path; empty when neither is set.
std::string proxy_ie(const Tlecteur_environnement& lire);
// The same from the process environment.
std::string proxy_ie();

// A query value with every byte but A-Z a-z 0-9 "-._~" written "%XX".
std::string encoder_valeur(std::string_view valeur);

// "http://" + server + path (the path starts with "/").
std::string adresse_serveur(std::string_view serveur, std::string_view chemin);

// The path and query of the version question: the three values encoded, the
// pairs joined by "&&".
std::string chemin_version(int langue, std::string_view version, std::string_view pays);

// The path and query of the newsletter subscription of `adresse` (the
// pseudonym is the part before "@"; the language is always "fr").
std::string chemin_newsletter(std::string_view adresse);

// The path of the setup program on the server.
inline constexpr std::string_view chemin_installation = "/file/setuppralinore.exe";
// The name the setup program is saved under.
inline constexpr std::string_view nom_installation = "setuppralinore.exe";
