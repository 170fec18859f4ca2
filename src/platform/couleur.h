#pragma once
// The colour value of the whole program: 0x00BBGGRR, red in the low byte
// (the layout of the platform colours the pages and settings were written in).

#include <cstdint>

using TColor = std::uint32_t;

constexpr unsigned rouge_de(TColor c) { return c & 0xFFu; }
constexpr unsigned vert_de(TColor c) { return (c >> 8) & 0xFFu; }
constexpr unsigned bleu_de(TColor c) { return (c >> 16) & 0xFFu; }
