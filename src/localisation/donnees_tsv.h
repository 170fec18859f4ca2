#pragma once
// Reads the compiled-in tab-separated data files: "#" comments and blank
// lines skipped, the fields of the other lines converted to Windows-1252.

#include <string>
#include <string_view>
#include <vector>

struct LigneTsv {
  int numero = 0;  // 1-based line number, for messages
  std::vector<std::string> champs;
};

std::vector<LigneTsv> lire_tsv(std::string_view utf8);
