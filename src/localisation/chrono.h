#pragma once
// Timing trace of the engine's costly routines: while `mode_test` is set, a
// call that took more than 10 ms leaves a line "label:ms" in the trace. The
// clock and the place the lines go to can be replaced (tests, main window).

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>

extern bool mode_test;

void debut_chrono(std::uint32_t& t);

// Milliseconds since `t` when a trace line is due (more than 10), else 0.
std::uint32_t duree_a_tracer(std::uint32_t t);
// Writes Format("%s:%d", etiquette, duree) to the trace.
void ecrire_trace(const std::string& etiquette, std::uint32_t duree);

// `etiquette` is the label or a callable building it, so that callers format
// their labels only when a line is written.
template <class Etiquette>
void fin_chrono(Etiquette&& etiquette, std::uint32_t t) {
  if (!mode_test) return;
  const std::uint32_t duree = duree_a_tracer(t);
  if (duree == 0) return;
  if constexpr (std::invocable<Etiquette>) {
    ecrire_trace(etiquette(), duree);
  } else {
    ecrire_trace(std::string(etiquette), duree);
  }
}

// Millisecond tick count, wrapping like the system's.
void installer_horloge(std::function<std::uint32_t()> horloge);
void installer_sortie_trace(std::function<void(const std::string&)> sortie);
