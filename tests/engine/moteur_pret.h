#pragma once
// Puts the engine in the state the program starts it in: catalogue filled
// in the language, function table built and translated.

#include <gtest/gtest.h>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "localisation/choix_langue.h"

inline void preparer_moteur(int langue = 0) { demarrer_moteur(langue); }

class MoteurFrancais : public ::testing::Test {
 protected:
  void SetUp() override { preparer_moteur(0); }
};
