# Writes the bytes of ENTREE as a C++ array behind `std::string_view SYMBOLE()`.
# The generated source is pure ASCII whatever the data holds.
file(READ "${ENTREE}" octets HEX)
string(LENGTH "${octets}" longueur_hex)
math(EXPR taille "${longueur_hex} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," octets "${octets}")
# Break the initialiser into lines of 16 bytes so compilers and diffs stay happy.
string(REGEX REPLACE "((('[^']*',)){16})" "\\1\n" octets "${octets}")
file(WRITE "${SORTIE}.tmp"
"// Generated from ${ENTREE}; do not edit.\n"
"#include <string_view>\n"
"namespace {\n"
"const char octets[] = {\n${octets}'\\0'};\n"
"}\n"
"std::string_view ${SYMBOLE}() { return {octets, ${taille}}; }\n")
file(RENAME "${SORTIE}.tmp" "${SORTIE}")
