#pragma once
// The Euclidean division of polynomials in x with exact rational
// coefficients, computed on coefficient arrays and written back in the
// text the long division of polynome.cpp writes. Each step of the long
// division collects "remainder - divisor*quotient term" and reduces the
// result again; here the step is replayed on the terms themselves (which
// terms the collection tries to merge, where each lands, in what order the
// terms are sorted), so the text builders run only on the few terms that
// reach the answer. A step whose collection this replay does not cover is
// taken by the written rewriting, from the same texts.

#include <optional>
#include <string>
#include <vector>

class polynome;

// "Q+R/D" as the long division writes it. Nothing when either text is no
// sum of monomials in x with rational coefficients of distinct degrees, or
// when a step is not replayed: `quotients` then holds the quotient terms of
// the steps replayed before it (none at all in the first case) and `reste`
// the remainder they left, as the long division writes them.
std::optional<std::string> division_rapide(const polynome& p, const polynome& d, const std::string& diviseur,
                                           std::vector<std::string>& quotients, std::string& reste);

// A typed sum of monomials in x with rational coefficients, like terms in
// pairs at most, as polynome::Create reduces it: the reduced text, the
// degree and the leading coefficient ("" when like terms merged: it is
// read from the text then). Nothing for any other text.
struct PolynomeReduit {
  std::string texte;
  std::string degre;
  std::string coefficient;
};
std::optional<PolynomeReduit> polynome_reduit_rapide(const std::string& texte);
