#pragma once
// The limits that end every network transfer, so that no server, however
// slow, broken or hostile, holds the program or fills its disk.

#include <cstdint>

namespace limites_transfert {

// Any transfer: this long without a byte ends it.
inline constexpr int secondes_sans_donnees = 15;

// A question to the web server (the version, the newsletter): the whole
// transfer, connection and headers included, and the longest reply.
inline constexpr int secondes_par_question = 20;
inline constexpr std::int64_t octets_par_reponse = 4 * 1024;

// The setup program's download: the least average speed, measured over a
// sliding window, and the longest length the server may announce.
inline constexpr int secondes_mesure_debit = 30;
inline constexpr std::int64_t octets_par_seconde_minimum = 1024;
inline constexpr std::int64_t octets_par_installation = std::int64_t{200} * 1024 * 1024;

}  // namespace limites_transfert
