#include "kanamend/recode.hpp"

#include <array>
#include <cstddef>
#include <cstring>

namespace {

struct pair {
	std::uint8_t from, to;
};

// Source codes outside the katakana ranges, most of them graphic characters
// that the target set keeps as box-drawing pieces (0x11-0x1B) and others.
constexpr std::array<pair, 32> pairs{{
	{0x87, 0x1B}, {0xE4, 0x1C}, {0xE5, 0x1D}, {0xE6, 0x1E},
	{0xE7, 0x1F}, {0x80, 0x5F}, {0x8F, 0x15}, {0x90, 0x11},
	{0x91, 0x12}, {0x92, 0x13}, {0x93, 0x14}, {0x95, 0x17},
	{0x96, 0x16}, {0x98, 0x18}, {0x99, 0x19}, {0x9A, 0x1A},
	{0x9B, 0x1B}, {0x9C, 0x18}, {0x9D, 0x19}, {0x9E, 0x1A},
	{0x9F, 0x1B}, {0xE0, 0x17}, {0xE1, 0x14}, {0xE2, 0x15},
	{0xE3, 0x13}, {0xE8, 0x80}, {0xE9, 0x81}, {0xEA, 0x82},
	{0xEB, 0x83}, {0xEC, 0x85}, {0xED, 0x84}, {0xF0, 0x1C},
}};

// A zero-terminated word of at most 15 bytes.
using word = std::array<std::uint8_t, 16>;

// Loan words that read wrong in hiragana, so they stay in katakana wherever
// they stand, inside longer words too.
constexpr std::array<word, 10> keep_words{{
	{0xB1, 0xD9, 0xCA, 0xDE, 0xB2, 0xC4},            // part-time job
	{0xBC, 0xD8, 0xB0, 0xBD, 0xDE},                  // series
	{0xCF, 0xBC, 0xDE, 0xAF, 0xB8, 0xCA, 0xDD, 0xC4, 0xDE}, // magic hand
	{0xC1, 0xAC, 0xDD, 0xBD},                        // chance
	{0xBD, 0xC0, 0xB0, 0xC4},                        // start
	{0xCA, 0xDF, 0xBD, 0xDC, 0xB0, 0xC4, 0xDE},      // password
	{0xC3, 0xDE, 0xD3},                              // demo
	{0xB7, 0xB0},                                    // key
	{0xD8, 0xC4, 0xD7, 0xB2},                        // retry
	{0xB4, 0xB8, 0xBE, 0xDA, 0xDD, 0xC4},            // excellent
}};

struct phrase {
	word pattern, replacement;
};

// "nandemo" (anything) holds the keep word "demo" but is Japanese, so it is
// written in hiragana after the keep words have been restored.
constexpr std::array<phrase, 1> phrases{{
	{{0xC5, 0xDD, 0xBA, 0xC3, 0xDE, 0xD3}, {0xE5, 0xFD, 0x9A, 0xE3, 0xDE, 0xF3}},
}};

std::size_t length(const word& w)
{
	std::size_t n = 0;
	while (w[n] != 0)
		++n;
	return n;
}

// True when w stands in source from position j. The word's bytes are never
// zero, so a comparison fails at the terminator and nothing past it is read.
bool matches_at(const std::uint8_t* source, std::size_t j, const word& w)
{
	for (std::size_t k = 0; w[k] != 0; ++k)
		if (source[j + k] != w[k])
			return false;
	return true;
}

} // namespace

// Each pass decides from the unchanged source and writes only to destination,
// so no pass can match what an earlier one wrote.
void recode_message(const std::uint8_t* source, std::uint8_t* destination)
{
	std::size_t n = std::strlen(reinterpret_cast<const char*>(source));
	std::memcpy(destination, source, n + 1);

	for (const pair& p : pairs)
		for (std::size_t i = 0; i < n; ++i)
			if (source[i] == p.from)
				destination[i] = p.to;

	// Katakana to hiragana. No pair touches these ranges, so adding to the
	// destination byte is the same as adding to the source byte.
	for (std::size_t i = 0; i < n; ++i) {
		std::uint8_t c = source[i];
		if ((c >= 0xA6 && c <= 0xAF) || (c >= 0xB1 && c <= 0xBF))
			destination[i] = static_cast<std::uint8_t>(destination[i] + 0xE0);
		else if (c >= 0xC0 && c <= 0xDD)
			destination[i] = static_cast<std::uint8_t>(destination[i] + 0x20);
	}

	for (const word& w : keep_words)
		for (std::size_t j = 0; j < n; ++j)
			if (matches_at(source, j, w))
				std::memcpy(destination + j, source + j, length(w));

	for (const phrase& p : phrases)
		for (std::size_t j = 0; j < n; ++j)
			if (matches_at(source, j, p.pattern))
				std::memcpy(destination + j, p.replacement.data(), length(p.pattern));
}
