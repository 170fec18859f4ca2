#pragma once
// Pralinore.ini, the program's general settings kept between runs, opened
// once at start-up as `ini_principal`. Every reader and writer goes through
// it with the names of noms_parametres.h and its own default from
// defauts_parametres.h. Each read sees the file as the last write left it,
// whoever wrote it; the file itself is read again only when it changed. At
// close both lists go in one write, which changes only their own lines.

#include "platform/ini/fichier_ini.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view nom_fichier_parametres = "Pralinore.ini";

extern std::unique_ptr<Tfichier_ini> ini_principal;

// Opens `ini_principal` on Pralinore.ini in the `parametres` folder (a path
// on disk, with or without its final "/"). A missing file is no failure: the
// readers' defaults apply and the first write creates it. False, with
// nothing opened, when the folder itself is missing: the installation is
// broken and nothing could be kept.
bool ouvrir_ini_principal(const std::string& dossier);
void fermer_ini_principal();

// The values of a list section ([Graphiques], [Textes_Graphiques]) in file
// order, whatever their keys.
std::vector<std::string> lire_liste(const Tfichier_ini& ini, std::string_view section);
// Rewrites a list section as keys "0", "1"... in one file write: the file
// either holds the whole new list or stays as it was (then false). The new
// values take the places of the lines the program reads as items (those
// `propre` accepts, every key line without it); comments, lines it could
// not read and later blocks of the section stay byte for byte. A key that a
// kept line of the section's first block uses is skipped, so no key stands
// twice.
bool ecrire_liste(Tfichier_ini& ini, std::string_view section, const std::vector<std::string>& valeurs,
                  const Ttexte_ini::Tfiltre_entrees& propre = {});

// A line of a list section that the program keeps without showing it (a
// curve line it cannot read): its text and how many shown items came before
// it in the file.
struct Tligne_cachee {
  std::size_t rang = 0;
  std::string texte;
};
// The shown items with the hidden lines put back among them, each before the
// shown item that followed it in the file (at the end when the list has got
// shorter), so that a list nobody changed goes back in its file order.
std::vector<std::string> avec_lignes_cachees(const std::vector<std::string>& montrees,
                                             const std::vector<Tligne_cachee>& cachees);

// A text annotation of the chart as [Textes_Graphiques] keeps it: its text,
// then its corners X0, X1, Y0, Y1 in that order, each after a ";".
struct Tannotation_sauvee {
  std::string texte;
  double x0 = 0;
  double x1 = 0;
  double y0 = 0;
  double y1 = 0;

  bool operator==(const Tannotation_sauvee&) const = default;
};

std::string texte_annotation(const Tannotation_sauvee& annotation);
// The four numbers are the last four fields, so a text holding ";" comes
// back whole. Nothing when a corner is not a number: such a line cannot be
// placed on the chart.
std::optional<Tannotation_sauvee> lire_annotation(std::string_view valeur);
// The lines of [Textes_Graphiques] that are annotations: the others are
// left out at start-up and kept in the file.
bool est_annotation(std::string_view valeur);
