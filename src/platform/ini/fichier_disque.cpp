#include "platform/ini/fichier_disque.h"

#include "localisation/nombres.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t nanosecondes = 1'000'000'000;
// Wider than any file system's time step, network ones included.
constexpr std::int64_t marge_recente_ns = 2 * nanosecondes;
constexpr int essais_nom_temporaire = 100;

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

// The temporary file is created with O_EXCL, so two writers (threads or
// processes) never share one; its name says whose it is.
int creer_temporaire(const std::string& chemin, std::string& nom) {
  static std::atomic<std::int64_t> compteur{0};
  for (int essai = 0; essai < essais_nom_temporaire; ++essai) {
    nom = chemin + ".tmp" + texte_entier(::getpid()) + "-" + texte_entier(compteur++);
    const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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

}  // namespace

Tempreinte_fichier empreinte_fichier(const std::string& chemin) {
  struct stat etat {};
  if (::stat(chemin.c_str(), &etat) != 0) return {};
  return empreinte_de(etat);
}

std::int64_t maintenant_ns() {
  timespec maintenant{};
  ::clock_gettime(CLOCK_REALTIME, &maintenant);
  return en_ns(maintenant);
}

bool cache_fiable(const Tempreinte_fichier& lue, const Tempreinte_fichier& actuelle, std::int64_t maintenant) {
  if (lue != actuelle) return false;
  if (!lue.existe) return true;
  // The change time counts too: copying tools set the modification time back.
  return maintenant - std::max(lue.modification_ns, lue.changement_ns) >= marge_recente_ns;
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
  const bool lu = ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) && tout_lire(fd, lecture.octets);
  ::close(fd);
  if (!lu) return {Tetat_lecture::illisible, {}, {}};
  lecture.etat = Tetat_lecture::lu;
  lecture.empreinte = empreinte_de(etat);
  return lecture;
}

bool remplacer_fichier(const std::string& chemin, std::string_view octets, const Tcrochet_ecriture& crochet) {
  const std::string cible = cible_reelle(chemin);
  struct stat ancien {};
  const bool remplace = ::stat(cible.c_str(), &ancien) == 0;
  if (remplace && !S_ISREG(ancien.st_mode)) return false;  // never put a file in place of a folder or device

  if (!demander(crochet, Tetape_ecriture::creation)) return false;
  std::string temporaire;
  const int fd = creer_temporaire(cible, temporaire);
  if (fd < 0) return false;
  if (remplace) garder_droits(fd, ancien);
  const bool rempli = remplir_temporaire(fd, octets, crochet);
  const bool ferme = ::close(fd) == 0;
  const bool fini = rempli && ferme && demander(crochet, Tetape_ecriture::renommage) &&
                    ::rename(temporaire.c_str(), cible.c_str()) == 0;
  if (!fini) {
    ::unlink(temporaire.c_str());
    return false;
  }
  synchroniser_dossier(dossier_de(cible));
  return true;
}
