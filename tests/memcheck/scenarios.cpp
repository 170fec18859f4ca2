// A small program for the heap checker's tests; its argument picks what it
// does before it ends:
//   dormant       leaks a block without starting the checker
//   fuite         starts the checker twice and leaks one 24-byte block
//   deux_departs  starts, leaks 40 bytes, starts again
//   ecriture      starts, frees a 16-byte block and writes one byte into it
//   beaucoup      starts and leaks 10,001 blocks of 8 bytes from one place
#include <cstdint>
#include <cstring>

#include "memcheck/memcheck.h"

namespace {

constexpr std::size_t kFuite = 24;
constexpr std::size_t kFuiteAvantSecondDepart = 40;
constexpr std::size_t kBlocLibere = 16;
constexpr std::size_t kOctetEcrit = 3;
constexpr std::size_t kNombreDeFuites = 10'001;
constexpr std::size_t kPetiteFuite = 8;

// Kept here, the leaked blocks stay allocated and the freed one reachable.
void* volatile g_fuite = nullptr;
void* volatile g_autre_fuite = nullptr;
volatile std::uintptr_t g_adresse_liberee = 0;
void* volatile g_fuites[kNombreDeFuites];

void demarrer() {
#ifdef PRALINORE_MEMCHECK
  memcheck::StartMemCheck();
#endif
}

}  // namespace

int main(int argc, char** argv) {
  const char* scenario = argc > 1 ? argv[1] : "";
  if (std::strcmp(scenario, "dormant") == 0) {
    g_fuite = new char[kFuite];
  } else if (std::strcmp(scenario, "fuite") == 0) {
    demarrer();
    demarrer();
    g_fuite = new char[kFuite];
  } else if (std::strcmp(scenario, "deux_departs") == 0) {
    demarrer();
    g_fuite = new char[kFuiteAvantSecondDepart];
    demarrer();
  } else if (std::strcmp(scenario, "ecriture") == 0) {
    demarrer();
    char* bloc = new char[kBlocLibere];
    g_adresse_liberee = reinterpret_cast<std::uintptr_t>(bloc);
    delete[] bloc;
    reinterpret_cast<volatile char*>(g_adresse_liberee)[kOctetEcrit] = 1;
  } else if (std::strcmp(scenario, "beaucoup") == 0) {
    demarrer();
    for (void* volatile& bloc : g_fuites) bloc = new char[kPetiteFuite];
  } else {
    return 2;
  }
  g_autre_fuite = nullptr;
  return 0;
}
