// The recording part: the global operator new and delete in every form, which
// forward to malloc and free and, once the checker is started, record each
// block and keep freed blocks poisoned in the quarantine.
#include <execinfo.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <new>
#include <stdexcept>

#include "memcheck/dormant.h"
#include "memcheck/memcheck.h"
#include "memcheck/registre.h"

namespace memcheck {

namespace {

// The frame of pile_courante itself.
constexpr int kCadresPropres = 1;
constexpr std::size_t kBlocsReserves = 1 << 16;
const char* const kTexteManqueMemoire = "Memcheck is not able to allocate memory, due to system resource lack";
const char* const kTexteTasCorrompu = "Heap corrupted";

class EManqueMemoire : public std::bad_alloc {
 public:
  const char* what() const noexcept override { return kTexteManqueMemoire; }
};

std::atomic<bool> g_enregistre{false};
std::mutex g_depart;  // two threads starting at once make one state
Etat* g_etat = nullptr;
std::exception_ptr* g_manque_memoire = nullptr;
std::exception_ptr* g_tas_corrompu = nullptr;
// Set while this thread is inside the checker: its own allocations are not recorded.
thread_local bool t_dans_le_controleur = false;

class Garde {
 public:
  Garde() : actif_(!t_dans_le_controleur && g_enregistre.load(std::memory_order_acquire)) {
    if (actif_) t_dans_le_controleur = true;
  }
  ~Garde() {
    if (actif_) t_dans_le_controleur = false;
  }
  Garde(const Garde&) = delete;
  Garde& operator=(const Garde&) = delete;
  bool actif() const { return actif_; }

 private:
  bool actif_;
};

std::uint64_t microsecondes(const Etat& e) {
  return std::uint64_t(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - e.debut).count());
}

void enregistrer(void* p, std::size_t taille) {
  Garde garde;
  if (!garde.actif()) return;
  Bloc b{taille, pile_courante(), 0};
  std::lock_guard verrou(g_etat->mutex);
  b.horodatage = microsecondes(*g_etat);
  g_etat->blocs[p] = b;
}

void manque_de_memoire() {
  if (g_manque_memoire != nullptr) std::rethrow_exception(*g_manque_memoire);
  throw std::bad_alloc();
}

void* allouer(std::size_t taille, std::size_t alignement) {
  void* p = nullptr;
  const std::size_t n = taille == 0 ? 1 : taille;
  if (alignement > alignof(std::max_align_t)) {
    if (posix_memalign(&p, alignement, n) != 0) p = nullptr;
  } else {
    p = std::malloc(n);
  }
  if (p == nullptr) return nullptr;
  enregistrer(p, taille);
  return p;
}

void* allouer_ou_lever(std::size_t taille, std::size_t alignement) {
  void* p = allouer(taille, alignement);
  if (p == nullptr) manque_de_memoire();
  return p;
}

// Evicts the oldest quarantined blocks past the bounds, checking each.
void purger(Etat& e) {
  while (e.quarantaine.size() > kQuarantaineBlocs || e.octets_quarantaine > kQuarantaineOctets) {
    BlocLibere ancien = e.quarantaine.front();
    e.quarantaine.pop_front();
    e.en_quarantaine.erase(ancien.adresse);
    e.octets_quarantaine -= ancien.bloc.taille;
    verifier(e, ancien);
    std::free(ancien.adresse);
  }
}

// True when the block was recorded and went into the quarantine.
bool mettre_en_quarantaine(void* p) {
  Garde garde;
  if (!garde.actif()) return false;
  const Pile destruction = pile_courante();
  std::lock_guard verrou(g_etat->mutex);
  Etat& e = *g_etat;
  if (e.en_quarantaine.count(p) != 0) std::rethrow_exception(*g_tas_corrompu);
  const auto it = e.blocs.find(p);
  if (it == e.blocs.end()) return false;
  BlocLibere libere{p, it->second, destruction};
  e.blocs.erase(it);
  std::memset(p, kPoison, libere.bloc.taille);
  e.quarantaine.push_back(libere);
  e.en_quarantaine.insert(p);
  e.octets_quarantaine += libere.bloc.taille;
  purger(e);
  return true;
}

void liberer(void* p) noexcept {
  if (p == nullptr) return;
  if (mettre_en_quarantaine(p)) return;
  std::free(p);
}

void rapporter(const std::string& journal) { ecrire_rapport(journal); }

}  // namespace

bool Pile::operator==(const Pile& autre) const {
  return n == autre.n && std::equal(adresses.begin(), adresses.begin() + n, autre.adresses.begin());
}

Etat& etat() { return *g_etat; }

Pile pile_courante() {
  std::array<void*, kProfondeurPile + kCadresPropres> tampon{};
  const int n = backtrace(tampon.data(), int(tampon.size()));
  Pile pile;
  for (int i = kCadresPropres; i < n; ++i) pile.adresses[std::size_t(pile.n++)] = tampon[std::size_t(i)];
  return pile;
}

void arreter_l_enregistrement() { g_enregistre.store(false, std::memory_order_release); }

void StartMemCheck() {
  std::lock_guard verrou(g_depart);
  if (demarre()) return;
  t_dans_le_controleur = true;
  // backtrace() loads its unwinder on first use: done now, not while recording.
  (void)pile_courante();
  g_manque_memoire = new std::exception_ptr(std::make_exception_ptr(EManqueMemoire()));
  g_tas_corrompu = new std::exception_ptr(std::make_exception_ptr(std::runtime_error(kTexteTasCorrompu)));
  g_etat = new Etat;
  g_etat->blocs.reserve(kBlocsReserves);
  g_etat->debut = std::chrono::steady_clock::now();
  t_dans_le_controleur = false;
  marquer_demarre(&rapporter);
  g_enregistre.store(true, std::memory_order_release);
}

}  // namespace memcheck

using memcheck::allouer;
using memcheck::allouer_ou_lever;
using memcheck::liberer;

void* operator new(std::size_t n) { return allouer_ou_lever(n, 0); }
void* operator new[](std::size_t n) { return allouer_ou_lever(n, 0); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return allouer(n, 0); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return allouer(n, 0); }
void* operator new(std::size_t n, std::align_val_t a) { return allouer_ou_lever(n, std::size_t(a)); }
void* operator new[](std::size_t n, std::align_val_t a) { return allouer_ou_lever(n, std::size_t(a)); }
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return allouer(n, std::size_t(a));
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
  return allouer(n, std::size_t(a));
}

void operator delete(void* p) noexcept { liberer(p); }
void operator delete[](void* p) noexcept { liberer(p); }
void operator delete(void* p, std::size_t) noexcept { liberer(p); }
void operator delete[](void* p, std::size_t) noexcept { liberer(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { liberer(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { liberer(p); }
void operator delete(void* p, std::align_val_t) noexcept { liberer(p); }
void operator delete[](void* p, std::align_val_t) noexcept { liberer(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { liberer(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { liberer(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { liberer(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { liberer(p); }
