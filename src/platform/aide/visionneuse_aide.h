#pragma once
// Makes the help window the receiver of the program's help requests: the
// contents, the search with its record, a context number or a keyword, for
// the language's help file (its help set is the folder of the same name
// without ".chm").

#include <string>

#include <QString>

#include "platform/systeme/aide_html.h"

// The help set's folder of a help file path ("…/Pralinore.chm" gives "…/Pralinore").
QString dossier_jeu_aide(const std::string& fichier_aide);

// Shows what the request asks for in the help window.
void traiter_demande_aide(const DemandeAide& demande);

void installer_visionneuse_aide();
