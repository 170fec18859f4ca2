#pragma once
// The names of Pralinore.ini that the account routines read and write
// besides the shell: [Utilisateurs] Defaut, the file name of the account
// opened without a login.

#include <string_view>

namespace parametres {
namespace section {
inline constexpr std::string_view utilisateurs = "Utilisateurs";
}  // namespace section
namespace cle {
inline constexpr std::string_view defaut = "Defaut";
}  // namespace cle
}  // namespace parametres
