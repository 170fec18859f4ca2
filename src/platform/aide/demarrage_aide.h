#pragma once
// The help side's start-up: records where the program runs and writes the
// debug report, with what only the window library knows (locale, clock,
// page renderer). Run once, after the application object is made.

#include <string>

void demarrer_rapport_aide(int argc, char** argv, const std::string& version_programme);
