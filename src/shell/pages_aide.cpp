#include "shell/pages_aide.h"

#include <algorithm>

#include "formula/balises.h"
#include "formula/couleurs_html.h"
#include "localisation/format.h"

namespace {

constexpr std::size_t position_numero = 1;
constexpr char premier_numero = '1';
constexpr char retour_chariot = '\r';
constexpr char saut_ligne = '\n';

bool caractere_interdit(char c) {
  return c == '=' || c == ';' || c == retour_chariot || c == saut_ligne;
}

// The ini file trims names and skips comment lines: such a key would not
// read back as written.
bool blanc(char c) { return c == ' ' || c == '\t'; }
bool debut_interdit(char c) { return c == '[' || c == '#' || blanc(c); }

}  // namespace

bool cle_page_valide(const std::string& cle) {
  if (cle.size() <= position_numero || debut_interdit(cle.front()) || blanc(cle.back())) return false;
  for (const char c : cle) {
    if (caractere_interdit(c)) return false;
  }
  const char chiffre = cle[position_numero];
  return chiffre >= premier_numero && chiffre < premier_numero + nombre_fichiers_aide;
}

int numero_fichier_aide(const std::string& cle) {
  return cle_page_valide(cle) ? cle[position_numero] - premier_numero + 1 : 0;
}

std::string nom_fichier_aide(int numero) { return Format("Aide%d.ini", {numero}); }

std::string memo_de_page(std::string_view page) {
  std::string memo(page);
  for (char& c : memo) {
    if (c == saut_page_aide) c = saut_ligne;
  }
  return memo;
}

std::string page_de_memo(std::string_view memo) {
  std::string page;
  page.reserve(memo.size());
  for (std::size_t i = 0; i < memo.size(); ++i) {
    const char c = memo[i];
    if (c == retour_chariot) {
      if (i + 1 < memo.size() && memo[i + 1] == saut_ligne) ++i;
      page += saut_page_aide;
    } else {
      page += c == saut_ligne ? saut_page_aide : c;
    }
  }
  return page;
}

std::vector<std::string> lignes_de_page(std::string_view page) {
  std::vector<std::string> lignes(1);
  for (const char c : page) {
    if (c == saut_page_aide) {
      lignes.emplace_back();
    } else {
      lignes.back() += c;
    }
  }
  return lignes;
}

std::string page_de_lignes(const std::vector<std::string>& lignes) {
  std::string page;
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    if (i > 0) page += saut_page_aide;
    page += lignes[i];
  }
  return page;
}

namespace {

bool dans_formule(std::string_view texte, std::size_t position) {
  const std::size_t accolade = texte.substr(0, position).find_last_of("{}");
  return accolade != std::string_view::npos && texte[accolade] == '{';
}

}  // namespace

std::string echappement_symbole(std::string_view element) {
  for (const SymboleEditeur& s : symboles_editeur) {
    if (element == s.element) return {'\\', s.caractere};
  }
  return {};
}

TexteEtCurseur baliser_symbole(std::string_view echappement, std::string_view texte, std::size_t debut,
                               std::size_t longueur) {
  debut = std::min(debut, texte.size());
  longueur = std::min(longueur, texte.size() - debut);
  std::string insertion(echappement);
  if (!dans_formule(texte, debut)) insertion = "{" + insertion + "}";
  std::string resultat(texte.substr(0, debut));
  resultat += insertion;
  resultat += texte.substr(debut + longueur);
  return {resultat, debut + insertion.size()};
}

std::optional<BalisesBouton> balises_bouton(std::string_view legende, TColor couleur) {
  if (legende == "LEFT" || legende == "CENTER" || legende == "RIGHT") {
    return BalisesBouton{Format("<P ALIGN=%s>", {legende}), "</P>", {balise_paragraphe, balise_fin_paragraphe}};
  }
  if (legende == "SOULIGNE") return BalisesBouton{"<U>", "</U>", {balise_souligne, balise_fin_souligne}};
  if (legende == "A") {
    return BalisesBouton{Format("<FONT COLOR=%s>", {ColorToHtml(couleur)}), "</FONT>", {balise_font, balise_fin_font}};
  }
  if (legende == "RETOUR") return BalisesBouton{"<BR>", "", {}};
  return std::nullopt;
}
