#pragma once
// The one crossing between the core's Windows-1252 text and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

QString depuis_1252(std::string_view texte_1252);
// Characters the code page lacks become '?'.
std::string vers_1252(const QString& texte);
