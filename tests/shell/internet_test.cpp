// The text work of the web requests and the course of the version check,
// without a window or a network.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "shell/adresses_internet.h"
#include "shell/mise_a_jour.h"

namespace {

TEST(EmailValide, LettersDigitsAndOneAtWithADottedDomain) {
  for (const char* bonne : {"Jean.Dupont@Example.fr", "a_b-c~d@x.org", "x1@b.c"}) {
    EXPECT_TRUE(email_valide(bonne)) << bonne;
  }
  for (const char* mauvaise :
       {"", "abc", "@a.fr", "a@", "a@b@c.fr", "a b@c.fr", "\xE9l\xE8ve@a.fr", "a@bfr", "a+b@c.fr", "a@b.fr "}) {
    EXPECT_FALSE(email_valide(mauvaise)) << mauvaise;
  }
}

TEST(ExtraireProxy, TakesTheHttpEntryWhereverItStands) {
  const std::vector<std::pair<std::string, Tproxy>> cas = {
      {"http=p1:3128;https=p2:8443", {"p1", 3128}},
      {"https=p2:8443;http=p1:3128", {"p1", 3128}},
      {"h:8080", {"h", 8080}},
      {"", {"", 0}},
      {"hostonly", {"", 0}},
      {"http=h:abc", {"h", 0}},
      {"https=h:8443", {"", 0}},
      {"ftp=f:21;http=hostonly", {"", 0}},
      {"http=h:70000", {"h", 0}},
      {"http=h:-1", {"h", 0}},
  };
  for (const auto& [liste, attendu] : cas) EXPECT_EQ(extraire_proxy(liste, "http"), attendu) << liste;
}

TEST(ProxyIe, BuildsTheListFromTheEnvironmentEitherCase) {
  using Tenv = std::map<std::string, std::string>;
  const std::vector<std::pair<Tenv, std::string>> cas = {
      {{}, ""},
      {{{"http_proxy", "http://user:pw@p1:3128/"}, {"HTTPS_PROXY", "https://p2:8443"}},
       "http=p1:3128;https=p2:8443"},
      {{{"HTTP_PROXY", "p1:3128"}}, "http=p1:3128"},
      {{{"http_proxy", "lower:1"}, {"HTTP_PROXY", "upper:2"}}, "http=lower:1"},
      {{{"https_proxy", "p2:8443"}}, "https=p2:8443"},
  };
  for (const auto& [variables, attendu] : cas) {
    const Tenv& env = variables;
    const auto lire = [&env](const char* nom) -> std::optional<std::string> {
      const auto trouve = env.find(nom);
      if (trouve == env.end()) return std::nullopt;
      return trouve->second;
    };
    const std::string liste = proxy_ie(lire);
    EXPECT_EQ(liste, attendu);
    // The list always reads back through extraire_proxy.
    if (env.contains("http_proxy") || env.contains("HTTP_PROXY")) {
      EXPECT_NE(extraire_proxy(liste, "http").port, 0);
    }
  }
}

TEST(Requetes, ValuesArePercentEncodedAndThePairsKeepTheirOrder) {
  EXPECT_EQ(encoder_valeur("aZ09-._~ /@&=%\xE9"), "aZ09-._~%20%2F%40%26%3D%25%E9");
  EXPECT_EQ(chemin_version(0, "2.1.2", "United States"), "/ap/version.php?langue=0&&version=2.1.2&&pays=United%20States");
  EXPECT_EQ(chemin_newsletter("Jean.Dupont@Example.fr"),
            "/mb/newsletter.php?lng=fr&nlpseudo=jean.dupont&nlmail=jean.dupont%40example.fr&action=sub");
  EXPECT_EQ(adresse_serveur("127.0.0.1:8080", chemin_installation), "http://127.0.0.1:8080/file/setuppralinore.exe");
}

TEST(VersionPlusRecente, ComparesPartsAsNumbersOfAnyLength) {
  struct Tcas {
    const char* reponse;
    const char* propre;
    bool plus_recente;
  };
  const std::vector<Tcas> cas = {
      {"2.1.3", "2.1.2", true},
      {"  2.1.3\r\n", "2.1.2", true},
      {"2.1.2", "2.1.2", false},
      {"2.10", "2.9", true},
      {"2.9", "2.10", false},
      {"2.1", "2.1.0", false},
      {"2.1.0.1", "2.1", true},
      {"002.01.3", "2.1.2", true},
      {"99999999999999999999999.0", "99999999999999999999998.9", true},
      {"<html>", "1.0.0", false},
      {"", "1.0.0", false},
      {"2..1", "1.0.0", false},
      {"3.", "1.0.0", false},
      {"3.0-beta", "1.0.0", false},
  };
  for (const auto& c : cas) EXPECT_EQ(version_plus_recente(c.reponse, c.propre), c.plus_recente) << c.reponse;
}

// Records the course of a check; the answers are set per case.
class Tservices_enregistres : public Tservices_mise_a_jour {
public:
  bool oui_verification = true;
  std::optional<std::string> corps = "2.1.2";
  bool oui_installation = true;
  bool telechargement_reussi = true;
  std::vector<std::string> journal;

  bool demander_verification() override { return note("question", oui_verification); }
  std::optional<std::string> interroger_serveur() override {
    journal.push_back("requete");
    return corps;
  }
  void noter_verification(const Tdate_ini& jour) override { journal.push_back("note " + texte_date(jour)); }
  void annoncer_a_jour() override { journal.push_back("a jour"); }
  bool proposer(const std::string& version) override { return note("offre " + version, oui_installation); }
  bool telecharger() override { return note("telechargement", telechargement_reussi); }
  void signaler_echec() override { journal.push_back("echec"); }

private:
  bool note(const std::string& quoi, bool reponse) {
    journal.push_back(quoi);
    return reponse;
  }
};

TEST(VerifierMiseAJour, GateQuestionReplyAndOutcome) {
  using Tjournal = std::vector<std::string>;
  const Tdate_ini jour{2026, 3, 9};
  const Tetat_mise_a_jour sept_jours{jour, {2026, 3, 2}, false, "2.1.2"};
  const Tetat_mise_a_jour huit_jours{jour, {2026, 3, 1}, false, "2.1.2"};
  const Tetat_mise_a_jour an_passe{{2026, 1, 2}, {2025, 12, 25}, false, "2.1.2"};
  const std::string note = "note 2026-03-09";
  struct Tcas {
    const char* nom;
    bool manuel;
    Tetat_mise_a_jour etat;
    std::function<void(Tservices_enregistres&)> regler;
    Tjournal attendu;
  };
  const auto rien = [](Tservices_enregistres&) {};
  const std::vector<Tcas> cas = {
      {"seven days: automatic check waits", false, sept_jours, rien, {}},
      {"eight days: same version, silent", false, huit_jours, rien, {"requete", note}},
      {"across a year end", false, an_passe, rien, {"requete", "note 2026-01-02"}},
      {"manual: same version", true, sept_jours, rien, {"requete", note, "a jour"}},
      {"asked, declined", true, {jour, jour, true, "2.1.2"},
       [](auto& s) { s.oui_verification = false; }, {"question", note}},
      {"newer, installed", false, huit_jours, [](auto& s) { s.corps = "  2.1.3\r\n"; },
       {"requete", note, "offre 2.1.3", "telechargement"}},
      {"newer, declined", true, huit_jours,
       [](auto& s) {
         s.corps = "2.1.3";
         s.oui_installation = false;
       },
       {"requete", note, "offre 2.1.3"}},
      {"download fails", true, huit_jours,
       [](auto& s) {
         s.corps = "3";
         s.telechargement_reussi = false;
       },
       {"requete", note, "offre 3", "telechargement", "echec"}},
      {"no answer", true, huit_jours, [](auto& s) { s.corps.reset(); }, {"requete", note, "echec"}},
      {"not a version", true, huit_jours, [](auto& s) { s.corps = "<html>"; }, {"requete", note, "echec"}},
      {"not a version at start-up", false, huit_jours, [](auto& s) { s.corps = "<html>"; },
       {"requete", note, "echec"}},
      {"older version", true, huit_jours, [](auto& s) { s.corps = "1.2.3"; }, {"requete", note, "a jour"}},
      {"blanks around", false, huit_jours, [](auto& s) { s.corps = " 2.0 \r\n"; }, {"requete", note}},
      {"33 characters", true, huit_jours, [](auto& s) { s.corps = "3" + std::string(32, '0'); },
       {"requete", note, "echec"}},
      {"32 characters", true, huit_jours, [](auto& s) { s.corps = "3" + std::string(31, '0'); },
       {"requete", note, "offre 3" + std::string(31, '0'), "telechargement"}},
  };
  for (const auto& c : cas) {
    Tservices_enregistres services;
    c.regler(services);
    std::string reponse;
    verifier_mise_a_jour(c.manuel, c.etat, reponse, services);
    EXPECT_EQ(services.journal, c.attendu) << c.nom;
  }
}

TEST(VersionPlusRecente, AVersionTextIsDigitsAndDotsBetweenDigits) {
  for (const char* oui : {"2", "2.1.3", "2..1", "0123456789.0123456789.0123456789"})
    EXPECT_TRUE(texte_version(oui)) << oui;
  for (const char* non : {"", ".2", "2.", "2.1a", "2a1", "2 1", "<html>", "v2", "01234567890.01234567890.0123456789"})
    EXPECT_FALSE(texte_version(non)) << non;
}

TEST(VerifierMiseAJour, TheReplyIsKeptForTheRun) {
  Tservices_enregistres services;
  services.corps = "2.1.3";
  services.oui_installation = false;
  std::string reponse;
  const Tetat_mise_a_jour etat{{2026, 3, 9}, {2026, 3, 9}, false, "2.1.2"};
  verifier_mise_a_jour(true, etat, reponse, services);
  verifier_mise_a_jour(true, etat, reponse, services);
  EXPECT_EQ(reponse, "2.1.3");
  EXPECT_EQ(std::count(services.journal.begin(), services.journal.end(), "requete"), 1);
  EXPECT_EQ(std::count(services.journal.begin(), services.journal.end(), "offre 2.1.3"), 2);
  // A reply that is no version is not kept: the next check asks again.
  services.corps = "<html>";
  reponse.clear();
  verifier_mise_a_jour(true, etat, reponse, services);
  verifier_mise_a_jour(true, etat, reponse, services);
  EXPECT_EQ(reponse, "");
  EXPECT_EQ(std::count(services.journal.begin(), services.journal.end(), "requete"), 3);
}

}  // namespace
