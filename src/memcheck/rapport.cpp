// The report written at exit: the blocks still allocated, in groups of the
// same size and call stack, their time stamps, and the freed blocks written to.
#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "localisation/nombres.h"
#include "memcheck/registre.h"
#include "platform/systeme/dossier_donnees.h"

namespace memcheck {

namespace {

const char* const kSansInfo = "(no debug info)";
const char* const kInconnu = "?";
const char* const kPasExact = " not accurate due to MaxLeak constant reached, but at least ";
constexpr int kBaseHexa = 16;

std::string entier(std::size_t n) { return texte_entier(std::int64_t(n)); }

std::string hexa(const void* adresse) {
  char tampon[2 * sizeof(void*)];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, reinterpret_cast<std::uintptr_t>(adresse), kBaseHexa);
  return "0x" + std::string(tampon, r.ptr);
}

std::string demangler(const char* nom) {
  int statut = 0;
  std::unique_ptr<char, decltype(&std::free)> clair(abi::__cxa_demangle(nom, nullptr, nullptr, &statut), &std::free);
  return statut == 0 && clair ? std::string(clair.get()) : std::string(nom);
}

// "Module <shared object> Routine <function> Line ? Find error: 0x...".
std::string texte_adresse(void* adresse) {
  Dl_info info{};
  if (dladdr(adresse, &info) == 0 || info.dli_fname == nullptr) return kSansInfo;
  std::string routine;
  if (info.dli_sname != nullptr) {
    routine = demangler(info.dli_sname);
  } else {
    // "module(+offset) [address]": the offset in the module, for addr2line.
    std::unique_ptr<char*, decltype(&std::free)> symboles(backtrace_symbols(&adresse, 1), &std::free);
    const std::string texte = symboles ? symboles.get()[0] : "";
    const std::size_t ouvrante = texte.find('('), fermante = texte.find(')');
    const bool decalage = ouvrante != std::string::npos && fermante != std::string::npos && fermante > ouvrante + 1;
    routine = decalage ? texte.substr(ouvrante + 1, fermante - ouvrante - 1) : kInconnu;
  }
  return std::string("Module ") + info.dli_fname + " Routine " + routine + " Line " + kInconnu +
         " Find error: " + hexa(adresse);
}

void ecrire_pile(std::string& o, const Pile& pile) {
  if (pile.n == 0) o += "  " + std::string(kSansInfo) + "\n";
  for (int i = 0; i < pile.n; ++i) o += "  " + texte_adresse(pile.adresses[std::size_t(i)]) + "\n";
}

struct Fuite {
  const Bloc* bloc;
  std::size_t occurrences;
};

// Every leak, oldest first.
std::vector<const Bloc*> fuites_chronologiques(const Etat& e) {
  std::vector<const Bloc*> fuites;
  for (const auto& [adresse, bloc] : e.blocs) fuites.push_back(&bloc);
  std::sort(fuites.begin(), fuites.end(), [](const Bloc* a, const Bloc* b) { return a->horodatage < b->horodatage; });
  return fuites;
}

std::vector<Fuite> grouper(const std::vector<const Bloc*>& fuites) {
  std::vector<Fuite> groupes;
  for (const Bloc* b : fuites) {
    const auto meme = std::find_if(groupes.begin(), groupes.end(), [b](const Fuite& f) {
      return f.bloc->taille == b->taille && f.bloc->creation == b->creation;
    });
    if (meme != groupes.end())
      ++meme->occurrences;
    else
      groupes.push_back({b, 1});
  }
  return groupes;
}

void section_fuites(std::string& o, const std::vector<const Bloc*>& fuites, bool tronque) {
  o += "*** MEMCHK: Blocks STILL allocated ***\n";
  std::size_t total = 0;
  std::size_t numero = 0;
  for (const Fuite& f : grouper(fuites)) {
    o += "Leak #" + entier(numero++) + "\n";
    o += "Instance of Unknown\n";
    o += "User allocated memory (GetMem)\n";
    o += "Size: " + entier(f.bloc->taille) + "\n";
    o += entier(f.occurrences) + (f.occurrences > 1 ? " Occurences" : " Occurence") + "\n";
    o += "Call stack:\n";
    ecrire_pile(o, f.bloc->creation);
    total += f.bloc->taille * f.occurrences;
  }
  o += (tronque ? std::string("Total leak") + kPasExact : std::string("Total leak: ")) + entier(total) + " bytes\n";
  o += "*** MEMCHK: End of allocated blocks ***\n\n";
}

void section_chronologique(std::string& o, const std::vector<const Bloc*>& fuites) {
  o += "*** MEMCHK: Chronological leak information ***\n";
  for (const Bloc* b : fuites)
    o += "Time stamp: " + entier(b->horodatage) + " us, Size: " + entier(b->taille) + "\n";
  o += "*** MEMCHK: End of chronological leak information ***\n\n";
}

void section_abimes(std::string& o, const Etat& e) {
  o += "*** MEMCHK: Blocks written to after destruction ***\n";
  const bool tronque = e.abimes_total > e.abimes.size();
  o += (tronque ? std::string("Bad blocks count") + kPasExact : std::string("Bad blocks count: ")) +
       entier(e.abimes_total) + "\n";
  for (const BlocLibere& b : e.abimes) {
    o += "* Destroyed block damaged\n";
    o += "Size: " + entier(b.bloc.taille) + "\n";
    o += "Call stack at allocation time:\n";
    ecrire_pile(o, b.bloc.creation);
    o += "Destroyed at: \n";
    ecrire_pile(o, b.destruction);
  }
  o += "*** MEMCHK: End of blocks written to after destruction ***\n";
}

// The log's folder when files can be made there, else the user's data folder.
std::filesystem::path chemin_inscriptible(const std::string& journal) {
  const std::filesystem::path chemin(journal);
  if (dossier_inscriptible(chemin.parent_path().string())) return chemin;
  const std::filesystem::path repli(dossier_utilisateur());
  std::error_code erreur;
  std::filesystem::create_directories(repli, erreur);
  return repli / chemin.filename();
}

}  // namespace

void verifier(Etat& e, const BlocLibere& libere) {
  const auto* octets = static_cast<const std::uint8_t*>(libere.adresse);
  const bool intact = std::all_of(octets, octets + libere.bloc.taille, [](std::uint8_t o) { return o == kPoison; });
  if (intact) return;
  ++e.abimes_total;
  if (e.abimes.size() < kMaxLeak) e.abimes.push_back(libere);
}

std::string texte_du_rapport(Etat& e) {
  std::vector<const Bloc*> fuites = fuites_chronologiques(e);
  const bool tronque = fuites.size() > kMaxLeak;
  if (tronque) fuites.resize(kMaxLeak);
  std::string o;
  section_fuites(o, fuites, tronque);
  section_chronologique(o, fuites);
  section_abimes(o, e);
  return o;
}

void ecrire_rapport(const std::string& journal) {
  arreter_l_enregistrement();
  Etat& e = etat();
  std::string texte;
  {
    std::lock_guard verrou(e.mutex);
    for (const BlocLibere& b : e.quarantaine) verifier(e, b);
    texte = texte_du_rapport(e);
  }
  const std::filesystem::path chemin = chemin_inscriptible(journal);
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  const bool ecrit = f != nullptr && std::fwrite(texte.data(), 1, texte.size(), f) == texte.size();
  if (f != nullptr && std::fclose(f) != 0) std::fputs("MemCheck: cannot close ", stderr);
  std::fputs(ecrit ? "MemCheck: " : "MemCheck: cannot write ", stderr);
  std::fputs(chemin.c_str(), stderr);
  std::fputs("\n", stderr);
}

}  // namespace memcheck
