#pragma once
// What the tests of the exercise levels share: one catalogue entry run with
// scripted draws, the one question it presents, a piece of its statement or
// its last formula, and a scripted run checked against the question it must
// present.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "exercises/catalogue_exercices.h"
#include "exercises/generateurs/execution.h"

// Scripted draws first, then the seeded tail; at most 100,000 draws.
inline ExerciceProduit lancer_indice(int indice, std::vector<double> script, std::uint32_t graine = 0) {
  ReglagesExecution reglages;
  reglages.script = std::move(script);
  reglages.limite_tirages = 100000;
  return executer_exercice(indice, graine, reglages);
}

inline ExerciceProduit lancer_code(int code, std::vector<double> script, std::uint32_t graine = 0) {
  return lancer_indice(exercices.indice_du_code(code), std::move(script), graine);
}

// The one question a run presents; a failed run or another count fails the test.
inline QuestionPosee question_posee(const ExerciceProduit& p) {
  EXPECT_FALSE(p.erreur) << p.erreur.value_or("");
  EXPECT_EQ(p.presentateur.questions.size(), 1U);
  return p.presentateur.questions.empty() ? QuestionPosee{} : p.presentateur.questions.front();
}

// The text between `debut` and the next `fin` (to the end without one).
inline std::string entre(const std::string& texte, const std::string& debut, const std::string& fin) {
  const std::size_t p = texte.find(debut);
  if (p == std::string::npos) return {};
  const std::size_t q = texte.find(fin, p + debut.size());
  return texte.substr(p + debut.size(), q == std::string::npos ? std::string::npos : q - p - debut.size());
}

// The last formula in braces of a statement.
inline std::string derniere_formule(const std::string& enonce) {
  const std::size_t fin = enonce.rfind('}');
  const std::size_t debut = enonce.rfind('{', fin);
  if (fin == std::string::npos || debut == std::string::npos) return {};
  return enonce.substr(debut + 1, fin - debut - 1);
}

// A catalogue entry's scripted draws and the question they must present.
struct QuestionScriptee {
  int code;
  std::vector<double> script;
  std::string question;
  std::string format;
  std::vector<std::string> reponses;
  std::string correction;
};

// The question the case's run presents, checked against the case.
inline QuestionPosee verifier_question(const QuestionScriptee& c) {
  const QuestionPosee q = question_posee(lancer_code(c.code, c.script));
  EXPECT_EQ(q.question, c.question) << c.code;
  EXPECT_EQ(q.format, c.format) << c.code;
  EXPECT_EQ(q.reponses, c.reponses) << c.code;
  EXPECT_EQ(q.correction, c.correction) << c.code;
  return q;
}
