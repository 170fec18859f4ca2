#include "platform/ini/fichier_disque.h"

#include "localisation/nombres.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t nanosecondes = 1'000'000'000;
constexpr int essais_nom_temporaire = 100;
// A temporary file is named <file> + ".tmp" + <process id> + "-" + <counter>.
constexpr std::string_view marque_temporaire = ".tmp";
constexpr mode_t droits_ecriture = S_IWUSR | S_IWGRP | S_IWOTH;
// A save fills its temporary file within moments. One left untouched this long
// belongs to no save still running, even one on another machine sharing the
// folder, whose process cannot be seen from here.
constexpr auto inactivite_temporaire_abandonne = std::chrono::minutes(10);

// The replacements made by this process, per file.
std::mutex verrou_remplacements;
std::map<std::string, std::uint64_t>& remplacements() {
  static std::map<std::string, std::uint64_t> table;
  return table;
}

std::int64_t en_ns(const timespec& t) { return static_cast<std::int64_t>(t.tv_sec) * nanosecondes + t.tv_nsec; }

Tempreinte_fichier empreinte_de(const struct stat& etat) {
  return {true,
          static_cast<std::uint64_t>(etat.st_dev),
          static_cast<std::uint64_t>(etat.st_ino),
          static_cast<std::int64_t>(etat.st_size),
          en_ns(etat.st_mtim),
          en_ns(etat.st_ctim)};
}

bool demander(const Tcrochet_ecriture& crochet, Tetape_ecriture etape) {
  if (!crochet || crochet(etape)) return true;
  errno = EIO;
  return false;
}

bool tout_ecrire(int fd, std::string_view octets) {
  while (!octets.empty()) {
    const ssize_t n = ::write(fd, octets.data(), octets.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    octets.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool tout_lire(int fd, std::string& octets) {
  char tampon[65536];
  for (;;) {
    const ssize_t n = ::read(fd, tampon, sizeof tampon);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    octets.append(tampon, static_cast<std::size_t>(n));
  }
}

// Writing through a link must change the file it names, not replace the link.
std::string cible_reelle(const std::string& chemin) {
  struct stat etat {};
  if (::lstat(chemin.c_str(), &etat) != 0 || !S_ISLNK(etat.st_mode)) return chemin;
  char* reel = ::realpath(chemin.c_str(), nullptr);
  if (reel == nullptr) return chemin;  // a dangling link: the new file takes its place
  std::string resultat(reel);
  std::free(reel);
  return resultat;
}

std::string dossier_de(const std::string& chemin) {
  const auto barre = chemin.rfind('/');
  if (barre == std::string::npos) return ".";
  return barre == 0 ? "/" : chemin.substr(0, barre);
}

// The replaced file's users must keep their rights on it. Changing the owner
// needs privileges; when it fails the file is still whole and ours.
void garder_droits(int fd, const struct stat& ancien) {
  (void)::fchmod(fd, ancien.st_mode & 07777);
  if (ancien.st_uid != ::geteuid() || ancien.st_gid != ::getegid()) {
    (void)::fchown(fd, ancien.st_uid, ancien.st_gid);
  }
}

// Makes the rename itself durable; a file system that cannot sync folders has
// still done the rename, so a failure here is no failed write.
void synchroniser_dossier(const std::string& dossier) {
  const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

bool remplir_temporaire(int fd, std::string_view octets, const Tcrochet_ecriture& crochet) {
  if (!demander(crochet, Tetape_ecriture::ecriture) || !tout_ecrire(fd, octets)) return false;
  return demander(crochet, Tetape_ecriture::synchronisation) && ::fsync(fd) == 0;
}

bool ecriture_permise(const std::string& chemin, const struct stat& etat) {
  return (etat.st_mode & droits_ecriture) != 0 && ::faccessat(AT_FDCWD, chemin.c_str(), W_OK, AT_EACCESS) == 0;
}

void compter_remplacement(const std::string& cible) {
  const std::lock_guard<std::mutex> verrou(verrou_remplacements);
  ++remplacements()[cible];
}

// The process id in the name of a file made by creer_fichier_temporaire, or 0
// when the name is not one.
pid_t processus_du_temporaire(std::string_view nom) {
  const auto marque = nom.rfind(marque_temporaire);
  if (marque == std::string_view::npos || marque == 0) return 0;
  nom.remove_prefix(marque + marque_temporaire.size());
  const auto tiret = nom.find('-');
  if (tiret == std::string_view::npos) return 0;
  const auto chiffres = [](std::string_view t) {
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!chiffres(nom.substr(0, tiret)) || !chiffres(nom.substr(tiret + 1))) return 0;
  return lire_entier32(nom.substr(0, tiret)).value_or(0);
}

bool processus_termine(pid_t processus) { return ::kill(processus, 0) != 0 && errno == ESRCH; }

// A modification time ahead of this machine's clock (another machine's) is
// no inactivity.
bool inactif_depuis_longtemps(const std::filesystem::directory_entry& entree) {
  std::error_code erreur;
  const auto modification = entree.last_write_time(erreur);
  return !erreur &&
         std::filesystem::file_time_type::clock::now() - modification >= inactivite_temporaire_abandonne;
}

}  // namespace

Tempreinte_fichier empreinte_fichier(const std::string& chemin) {
  struct stat etat {};
  if (::stat(chemin.c_str(), &etat) != 0) return {};
  return empreinte_de(etat);
}

bool cache_fiable(const Tempreinte_fichier& lue, const Tempreinte_fichier& actuelle) { return lue == actuelle; }

std::uint64_t numero_remplacement(const std::string& chemin) {
  const std::string cible = cible_reelle(chemin);
  const std::lock_guard<std::mutex> verrou(verrou_remplacements);
  const auto trouve = remplacements().find(cible);
  return trouve == remplacements().end() ? 0 : trouve->second;
}

Tlecture_fichier lire_fichier(const std::string& chemin) {
  Tlecture_fichier lecture;
  // O_NONBLOCK: a FIFO at the path must not hang the reader; it is then refused
  // as no regular file.
  const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    lecture.etat = (errno == ENOENT) ? Tetat_lecture::absent : Tetat_lecture::illisible;
    return lecture;
  }
  struct stat etat {};
  const bool regulier = ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode);
  if (regulier) lecture.octets.reserve(static_cast<std::size_t>(etat.st_size));
  const bool lu = regulier && tout_lire(fd, lecture.octets);
  ::close(fd);
  if (!lu) return {Tetat_lecture::illisible, {}, {}};
  lecture.etat = Tetat_lecture::lu;
  lecture.empreinte = empreinte_de(etat);
  return lecture;
}

void ignorer_signal_taille_fichier() { std::signal(SIGXFSZ, SIG_IGN); }

bool protege_en_ecriture(const std::string& chemin) {
  const std::string cible = cible_reelle(chemin);
  struct stat etat {};
  return ::stat(cible.c_str(), &etat) == 0 && !ecriture_permise(cible, etat);
}

// The temporary file stays open until it has its name, so the print taken
// is that of the file renamed (a rename changes the change time).
bool remplacer_fichier(const std::string& chemin, std::string_view octets, const Tcrochet_ecriture& crochet,
                       Tempreinte_fichier* empreinte) {
  const std::string cible = cible_reelle(chemin);
  struct stat ancien {};
  const bool remplace = ::stat(cible.c_str(), &ancien) == 0;
  if (remplace && !S_ISREG(ancien.st_mode)) return false;  // never put a file in place of a folder or device
  if (remplace && !ecriture_permise(cible, ancien)) {
    errno = EACCES;
    return false;
  }

  if (!demander(crochet, Tetape_ecriture::creation)) return false;
  std::string temporaire;
  const int fd = creer_fichier_temporaire(cible, temporaire);
  if (fd < 0) return false;
  if (remplace) garder_droits(fd, ancien);
  const bool fini = remplir_temporaire(fd, octets, crochet) && demander(crochet, Tetape_ecriture::renommage) &&
                    ::rename(temporaire.c_str(), cible.c_str()) == 0;
  struct stat nouveau {};
  const bool vu = fini && ::fstat(fd, &nouveau) == 0;
  ::close(fd);
  if (!fini) {
    ::unlink(temporaire.c_str());
    return false;
  }
  compter_remplacement(cible);
  synchroniser_dossier(dossier_de(cible));
  if (empreinte != nullptr) *empreinte = vu ? empreinte_de(nouveau) : Tempreinte_fichier{};
  return true;
}

// Two writers (threads or processes) never share a temporary file: it is
// created with O_EXCL.
int creer_fichier_temporaire(const std::string& chemin, std::string& nom) {
  static std::atomic<std::int64_t> compteur{0};
  for (int essai = 0; essai < essais_nom_temporaire; ++essai) {
    nom = chemin + std::string(marque_temporaire) + texte_entier(::getpid()) + "-" + texte_entier(compteur++);
    const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int supprimer_temporaires_abandonnes(const std::string& dossier, bool sous_dossiers) {
  namespace fs = std::filesystem;
  std::error_code erreur;
  fs::recursive_directory_iterator entree(dossier, erreur);
  int supprimes = 0;
  for (; !erreur && entree != fs::recursive_directory_iterator(); entree.increment(erreur)) {
    if (!sous_dossiers) entree.disable_recursion_pending();
    std::error_code sans_effet;
    if (!entree->is_regular_file(sans_effet)) continue;
    const pid_t processus = processus_du_temporaire(entree->path().filename().string());
    if (processus <= 0 || processus == ::getpid() || !processus_termine(processus)) continue;
    if (!inactif_depuis_longtemps(*entree)) continue;
    if (::unlink(entree->path().c_str()) == 0) ++supprimes;
  }
  return supprimes;
}
