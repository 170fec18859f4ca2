#pragma once
// Between the dormant part and the recording part: the started flag and the
// report the finaliser writes when the checker was started.

#include <string>

namespace memcheck {

// Writes the report for `journal`; set by StartMemCheck.
using Rapporteur = void (*)(const std::string& journal);

// Sets the started flag; the finaliser then calls `rapporteur`.
void marquer_demarre(Rapporteur rapporteur);

}  // namespace memcheck
