#include "platform/aide/demarrage_aide.h"

#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <QtGlobal>

#include <string>
#include <vector>

#include "platform/systeme/hh_funcs.h"

namespace {

std::string local(const QString& texte) { return texte.toLocal8Bit().toStdString(); }

}  // namespace

void demarrer_rapport_aide(int argc, char** argv, const std::string& version_programme) {
  const QLocale locale = QLocale::system();
  hh_funcs::Environnement env;
  env.version_programme = version_programme;
  env.version_rendu = qVersion();
  env.nom_locale = local(locale.name());
  env.langue_locale = local(QLocale::languageToString(locale.language()));
  env.territoire_locale = local(QLocale::territoryToString(locale.territory()));
  env.separateur_decimal = local(locale.decimalPoint());
  env.heure_longue = [locale] { return local(locale.toString(QTime::currentTime(), QLocale::LongFormat)); };
  env.date_heure = [locale] { return local(locale.toString(QDateTime::currentDateTime(), QLocale::LongFormat)); };
  hh_funcs::demarrer(std::vector<std::string>(argv, argv + argc), env);
}
