#pragma once
// What every exercise a generator makes must satisfy to be answerable: it
// ran through, presented once after preparing, filled its statement, gave
// one sound expected answer per slot and a correction; its answers typed
// back are judged right (in any order where order is free) and changed
// answers are judged wrong.

#include <cstdint>
#include <string>
#include <vector>

#include "exercises/generateurs/execution.h"

// The faults of one exercise, each one line; empty when it is sound.
std::vector<std::string> fautes_exercice(const ExerciceProduit& produit);

// The expected answers as a pupil types them back and the checker judges
// them; true when the given answers are right.
bool reponses_justes(const QuestionPosee& question, const std::vector<std::string>& donnees, bool ordonnees,
                     const std::string& forme);

// A number answer changed: +1 for an integer, x1.5+1 otherwise. The text
// itself when it is no number.
std::string reponse_changee(const std::string& reponse);

// Whether the text holds a format placeholder such as "%d", "%s", "%g" or
// "%0:s" (a lone "%" is text).
bool a_marque_format(const std::string& texte);
