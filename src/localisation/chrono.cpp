#include "localisation/chrono.h"

#include <chrono>

#include "localisation/format.h"

bool mode_test = false;

namespace {

std::uint32_t horloge_systeme() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(ms.count());
}

std::function<std::uint32_t()>& horloge() {
  static std::function<std::uint32_t()> h = horloge_systeme;
  return h;
}

std::function<void(const std::string&)>& sortie() {
  static std::function<void(const std::string&)> s = [](const std::string&) {};
  return s;
}

}  // namespace

void debut_chrono(std::uint32_t& t) {
  if (mode_test) t = horloge()();
}

std::uint32_t duree_a_tracer(std::uint32_t t) {
  const std::uint32_t duree = horloge()() - t;  // unsigned: survives the wrap of the tick count
  return duree > 10 ? duree : 0;
}

void ecrire_trace(const std::string& etiquette, std::uint32_t duree) {
  sortie()(Format("%s:%d", {etiquette, duree}));
}

void installer_horloge(std::function<std::uint32_t()> h) { horloge() = h ? std::move(h) : horloge_systeme; }

void installer_sortie_trace(std::function<void(const std::string&)> s) {
  sortie() = s ? std::move(s) : [](const std::string&) {};
}
