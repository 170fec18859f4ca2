#pragma once
// The recording part's state: the registry of live blocks with their call
// stacks, the quarantine of freed blocks (kept filled with a poison pattern)
// and the freed blocks found written to.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace memcheck {

inline constexpr int kProfondeurPile = 27;
// Past this many leaks (or damaged blocks) the report says its totals are lower bounds.
inline constexpr std::size_t kMaxLeak = 10'000;
inline constexpr std::uint8_t kPoison = 0xDF;
// The quarantine keeps at most this many freed blocks and bytes.
inline constexpr std::size_t kQuarantaineBlocs = 4096;
inline constexpr std::size_t kQuarantaineOctets = std::size_t(16) << 20;

struct Pile {
  std::array<void*, kProfondeurPile> adresses{};
  int n = 0;
  bool operator==(const Pile& autre) const;
};

struct Bloc {
  std::size_t taille = 0;
  Pile creation;
  std::uint64_t horodatage = 0;  // microseconds since the start
};

struct BlocLibere {
  void* adresse = nullptr;
  Bloc bloc;
  Pile destruction;
};

struct Etat {
  std::mutex mutex;
  std::unordered_map<void*, Bloc> blocs;
  std::deque<BlocLibere> quarantaine;
  std::unordered_set<void*> en_quarantaine;
  std::size_t octets_quarantaine = 0;
  std::vector<BlocLibere> abimes;  // at most kMaxLeak
  std::size_t abimes_total = 0;
  std::chrono::steady_clock::time_point debut;
};

// The state, made by StartMemCheck and never freed.
Etat& etat();

// The call stack of the caller's caller, this part's own frames left out.
Pile pile_courante();

// Recording stops: blocks are freed at once and nothing more is recorded.
void arreter_l_enregistrement();

// Checks a quarantined block's poison; a damaged one is kept for the report.
void verifier(Etat& e, const BlocLibere& libere);

// Stops recording, checks the quarantine and writes the report (the log
// path is printed on stderr). Called by the finaliser.
void ecrire_rapport(const std::string& journal);

// The text of the report (kept apart from writing it, for its format).
std::string texte_du_rapport(Etat& e);

}  // namespace memcheck
