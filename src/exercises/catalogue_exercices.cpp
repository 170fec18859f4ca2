#include "exercises/catalogue_exercices.h"

#include "localisation/catalogue.h"
#include "localisation/nombres.h"
#include "platform/ini/fichiers_aide.h"

Texercices exercices;

namespace {

constexpr std::string_view separateur_pages = "<BR> <BR>";
constexpr std::string_view section_pages = "Exercices";
constexpr char separateur_references = ';';
constexpr int premier_fichier_aide = 1;
constexpr int dernier_fichier_aide = 7;

// The rows: code, level, theme, literal theme, help keys, generator key.
constexpr std::array<Tentree_catalogue, nombre_exercices> table = {{
    {1119, 0, 0, {}, {}, "1119"},  // 0
    {1120, 0, 0, {}, "1119", "1120"},  // 1
    {1118, 0, 1, {}, {}, "1118"},  // 2
    {1121, 0, 1, {}, "1118", "1121"},  // 3
    {1111, 0, 2, {}, {}, "1111"},  // 4
    {1112, 0, 2, {}, "1119", "1112"},  // 5
    {1113, 0, 2, {}, {}, "1113"},  // 6
    {1114, 0, 2, {}, "1119", "1114"},  // 7
    {1115, 0, 2, {}, "1119", "1115"},  // 8
    {1116, 0, 2, {}, "1119", "1116"},  // 9
    {1117, 0, 2, {}, {}, "1117"},  // 10
    {1122, 0, 3, {}, {}, "1122"},  // 11
    {1211, 1, 4, {}, {}, "1211"},  // 12
    {1212, 1, 4, {}, "1211", "1212a"},  // 13
    {1213, 1, 4, {}, "1211", "1213"},  // 14
    {1214, 1, 4, {}, "1211", "1214"},  // 15
    {1215, 1, 4, {}, "1211", "1215"},  // 16
    {1216, 1, 4, {}, {}, "1216"},  // 17
    {1212, 1, 4, {}, "1211", "1212b"},  // 18
    {1219, 1, 5, {}, {}, "1219"},  // 19
    {1220, 1, 5, {}, {}, "1220"},  // 20
    {1223, 1, 6, {}, "1211", "1223"},  // 21
    {1225, 1, 7, {}, "1226", "1225"},  // 22
    {1226, 1, 7, {}, {}, "1226"},  // 23
    {1311, 2, 8, {}, {}, "1311"},  // 24
    {1312, 2, 8, {}, {}, "1312"},  // 25
    {1313, 2, 8, {}, {}, "1313"},  // 26
    {1314, 2, 8, {}, {}, "1314"},  // 27
    {1315, 2, 8, {}, "1314", "1315"},  // 28
    {1316, 2, 8, {}, {}, "1316"},  // 29
    {1317, 2, 8, {}, {}, "1317"},  // 30
    {1318, 2, 8, {}, "1317", "1318"},  // 31
    {1319, 2, 8, {}, {}, "1319"},  // 32
    {1324, 2, 8, {}, {}, "1324"},  // 33
    {1328, 2, 8, {}, {}, "1328"},  // 34
    {1329, 2, 8, {}, {}, "1329"},  // 35
    {1322, 2, 9, {}, "1317", "1322"},  // 36
    {1325, 2, 9, {}, {}, "1325"},  // 37
    {1326, 2, 9, {}, "1411", "1326"},  // 38
    {1327, 2, 9, {}, {}, "1327"},  // 39
    {1330, 2, 9, {}, {}, "1330"},  // 40
    {3300, 2, theme_litteral, "Triangle rectangle", {}, "3300"},  // 41
    {1411, 3, 10, {}, {}, "1411"},  // 42
    {1412, 3, 10, {}, {}, "1412"},  // 43
    {1413, 3, 10, {}, "1412", "1413"},  // 44
    {1430, 3, 10, {}, "1412", "1430"},  // 45
    {1431, 3, 10, {}, "1412", "1431"},  // 46
    {1414, 3, 11, {}, {}, "1414"},  // 47
    {1415, 3, 11, {}, {}, "1415"},  // 48
    {1416, 3, 11, {}, {}, "1416"},  // 49
    {1417, 3, 11, {}, "1416", "1417"},  // 50
    {1418, 3, 11, {}, {}, "1418"},  // 51
    {1419, 3, 11, {}, {}, "1419"},  // 52
    {14110, 3, 11, {}, {}, "14110"},  // 53
    {14111, 3, 11, {}, "1412;1414", "14111"},  // 54
    {14112, 3, 11, {}, "1414", "14112"},  // 55
    {1422, 3, 12, {}, {}, "1422"},  // 56
    {1423, 3, 12, {}, {}, "1423"},  // 57
    {1427, 3, 13, {}, {}, "1427"},  // 58
    {1428, 3, 13, {}, {}, "1428"},  // 59
    {1429, 3, 13, {}, {}, "1429"},  // 60
    {1434, 3, 13, {}, "1429", "1434"},  // 61
    {1435, 3, 13, {}, {}, "1435"},  // 62
    {3441, 3, 15, {}, "3443", "3441"},  // 63
    {3442, 3, 15, {}, {}, "3442"},  // 64
    {3443, 3, 15, {}, {}, "3443"},  // 65
    {2411, 3, 16, {}, {}, "2411"},  // 66
    {2412, 3, 16, {}, {}, "2412"},  // 67
    {2413, 3, 16, {}, {}, "2413"},  // 68
    {4401, 3, 25, {}, {}, "4401"},  // 69
    {4402, 3, 25, {}, {}, "4402"},  // 70
    {4403, 3, 25, {}, {}, "4403"},  // 71
    {1501, 4, 18, {}, {}, "1501"},  // 72
    {1502, 4, 18, {}, {}, "1502"},  // 73
    {1503, 4, 18, {}, "1502", "1503"},  // 74
    {1504, 4, 18, {}, "1502", "1504"},  // 75
    {1534, 4, 17, {}, "1429", "1434"},  // 76
    {1523, 4, 19, {}, "1423", "1423"},  // 77
    {1522, 4, 20, {}, "1422", "1422"},  // 78
    {3541, 4, 21, {}, "3443", "3441"},  // 79
    {3542, 4, 21, {}, "3442", "3442"},  // 80
    {3543, 4, 21, {}, "3443", "3443"},  // 81
    {1601, 5, 23, {}, "1601", "1601"},  // 82
    {1602, 5, 23, {}, "1601", "1602"},  // 83
    {1603, 5, 23, {}, "1601", "1603"},  // 84
    {1604, 5, 24, {}, {}, "1604"},  // 85
    {1605, 5, 24, {}, {}, "1605"},  // 86
    {1606, 5, 24, {}, "1605", "1606"},  // 87
    {1607, 5, 24, {}, "1605", "1607"},  // 88
    {1608, 5, 24, {}, "1605", "1608"},  // 89
    {1609, 5, 24, {}, "1605", "1609"},  // 90
    {1610, 5, 24, {}, "1605", "1610"},  // 91
    {1611, 5, 24, {}, "1605", "1611"},  // 92
    {1613, 5, 24, {}, "1613", "1613"},  // 93
    {1614, 5, 26, {}, {}, "1614"},  // 94
    {1615, 5, 26, {}, {}, "1615"},  // 95
    {1616, 5, 26, {}, {}, "1616"},  // 96
    {1617, 5, 26, {}, {}, "1617"},  // 97
    {1618, 5, 26, {}, {}, "1618"},  // 98
    {1619, 5, 26, {}, {}, "1619"},  // 99
    {1620, 5, 26, {}, {}, "1620"},  // 100
    {1621, 5, 26, {}, {}, "1621"},  // 101
    {1622, 5, 26, {}, {}, "1622"},  // 102
    {1623, 5, 26, {}, "1622", "1623"},  // 103
    {1624, 5, 26, {}, {}, "1624"},  // 104
    {1625, 5, 26, {}, "1624", "1625"},  // 105
    {1626, 5, 26, {}, "1624", "1626"},  // 106
    {1627, 5, 26, {}, "1624", "1627"},  // 107
    {1628, 5, 26, {}, {}, "1628"},  // 108
    {1629, 5, 26, {}, "1628", "1629"},  // 109
    {1630, 5, 26, {}, {}, "1630"},  // 110
    {1631, 5, 28, {}, {}, "1631"},  // 111
    {1632, 5, 28, {}, "1631", "1632"},  // 112
    {1633, 5, 28, {}, {}, "1633"},  // 113
    {1634, 5, 28, {}, {}, "1634"},  // 114
    {1635, 5, 28, {}, {}, "1635"},  // 115
    {1701, 6, 22, {}, "1700;1701", "1701"},  // 116
    {1702, 6, 22, {}, "1701;1700", "1702"},  // 117
    {1703, 6, 22, {}, "1701;1700", "1703"},  // 118
    {1704, 6, 22, {}, "1700;1704", "1704"},  // 119
    {1705, 6, 22, {}, "1700", "1705"},  // 120
    {1706, 6, 22, {}, "1700", "1706"},  // 121
    {1707, 6, 22, {}, "1700", "1707"},  // 122
    {1708, 6, 22, {}, "1708", "1708"},  // 123
    {1720, 6, 27, {}, "1620", "1620"},  // 124
    {1721, 6, 27, {}, "1621", "1621"},  // 125
    {1722, 6, 27, {}, "1622", "1622"},  // 126
    {1723, 6, 27, {}, "1622", "1623"},  // 127
    {1724, 6, 27, {}, "1624", "1624"},  // 128
    {1725, 6, 27, {}, "1624", "1625"},  // 129
    {1726, 6, 27, {}, "1624", "1626"},  // 130
    {1727, 6, 27, {}, "1624", "1627"},  // 131
    {1728, 6, 27, {}, "1628", "1628"},  // 132
    {1729, 6, 27, {}, "1628", "1629"},  // 133
    {1730, 6, 27, {}, "1630", "1630"},  // 134
}};

// The hint file a key names by its second character, 0 for none.
int fichier_de_cle(std::string_view cle) {
  if (cle.size() < 2) return 0;
  const int chiffre = cle[1] - '0';
  return chiffre >= premier_fichier_aide && chiffre <= dernier_fichier_aide ? chiffre : 0;
}

std::vector<std::string_view> decouper_references(std::string_view references) {
  std::vector<std::string_view> cles;
  while (true) {
    const auto fin = references.find(separateur_references);
    cles.push_back(references.substr(0, fin));
    if (fin == std::string_view::npos) return cles;
    references.remove_prefix(fin + 1);
  }
}

std::string aide_des_references(std::string_view references) {
  std::string aide;
  for (const std::string_view cle : decouper_references(references)) {
    const std::string page = page_aide_exercice(cle);
    if (aide.empty()) {
      aide = page;
    } else {
      aide += separateur_pages;
      aide += page;
    }
  }
  return aide;
}

}  // namespace

const std::array<Tentree_catalogue, nombre_exercices>& table_exercices() { return table; }

std::string page_aide_exercice(std::string_view cle) {
  const int fichier = fichier_de_cle(cle);
  if (fichier == 0 || !ini_aide[fichier]) return {};
  return ini_aide[fichier]->lire_texte(section_pages, cle);
}

void Texercices::ajouter(int code_, const std::string& classe_, const std::string& theme_,
                         const std::string& inutilise_, Tgenerateur generateur_, std::string_view references,
                         int niveau_) {
  const std::string texte_code = texte_entier(code_);
  code.push_back(code_);
  classe.push_back(classe_);
  theme.push_back(theme_);
  inutilise.push_back(inutilise_);
  generateur.push_back(generateur_);
  actif.push_back(false);
  aide.push_back(references.empty() ? page_aide_exercice(texte_code) : aide_des_references(references));
  niveaux_.push_back(niveau_ >= 0 ? niveau_ : fichier_de_cle(texte_code) - 1);
}

int Texercices::niveau(int indice) const {
  return indice >= 0 && indice < taille() ? niveaux_[static_cast<std::size_t>(indice)] : -1;
}

int Texercices::indice_du_code(int code_) const {
  for (int i = 0; i < taille(); ++i) {
    if (code[static_cast<std::size_t>(i)] == code_) return i;
  }
  return -1;
}

void charger_exercices() {
  exercices = Texercices{};
  for (const Tentree_catalogue& entree : table) {
    const std::string theme = entree.theme == theme_litteral
                                  ? std::string(entree.litteral)
                                  : noms_themes[static_cast<std::size_t>(entree.theme)];
    exercices.ajouter(entree.code, noms_classes[static_cast<std::size_t>(entree.niveau)], theme, {},
                      generateur_par_cle(entree.cle), entree.references, entree.niveau);
  }
}

int dernier_indice_exercices() { return exercices.taille() - 1; }

std::vector<std::string> themes_exercices() { return exercices.theme; }
