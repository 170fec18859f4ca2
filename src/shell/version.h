#pragma once
// The program's version. The build gives the four-part file version
// ("major.minor.release.build"); the version shown to users and sent to the
// version check leaves the build number out.

#include <string>
#include <string_view>

// The file version as the build set it.
std::string_view version_fichier();

// The text without its last "." part ("2.1.2.0" gives "2.1.2"); a text
// without "." is kept whole.
std::string version_sans_build(std::string_view version);

// version_sans_build(version_fichier()).
std::string version_programme();
