#pragma once
// Exercise generators and the registry that finds them by key. A generator
// draws its values, builds its statement and expected answers and presents
// them through the context it is given. Each catalogue row names its
// generator by a key: the code itself, "1212a" and "1212b" for the two
// entries of code 1212, or the code of the entry whose generator it reuses.

#include <string>
#include <string_view>
#include <vector>

struct ContexteGenerateur;

using Tgenerateur = void (*)(ContexteGenerateur&);

// Registers (or replaces) the generator of a key.
void enregistrer_generateur(std::string_view cle, Tgenerateur procedure);
// The generator of a key; nullptr for a key nobody registered.
Tgenerateur generateur_par_cle(std::string_view cle);
// Every registered key, sorted.
std::vector<std::string> cles_generateurs();
