#include "kanamend/recode.hpp"

#include "kanamend/tables.hpp"

#include <bit>
#include <cstddef>
#include <cstring>

namespace {

// The pair and kana passes as one map over all codes, so that they cost one
// look-up a byte rather than one scan of the message a pair. The two touch
// disjoint codes, so one map gives what the two passes give one after the
// other; a code that neither names maps to itself.
constexpr std::array<std::uint8_t, 256> code_map = [] {
	std::array<std::uint8_t, 256> m{};
	for (std::size_t c = 0; c < m.size(); ++c) {
		if ((c >= 0xA6 && c <= 0xAF) || (c >= 0xB1 && c <= 0xBF))
			m[c] = static_cast<std::uint8_t>(c + 0xE0); // 0x86-0x8F, 0x91-0x9F
		else if (c >= 0xC0 && c <= 0xDD)
			m[c] = static_cast<std::uint8_t>(c + 0x20); // 0xE0-0xFD
		else
			m[c] = static_cast<std::uint8_t>(c);
	}
	for (const pair& p : pairs) {
		if (m[p.from] != p.from)
			throw "a pair code is paired twice or is katakana"; // stops the build
		m[p.from] = p.to;
	}
	return m;
}();

// For every code, the keep words that begin with it, one bit a word.
constexpr std::array<std::uint16_t, 256> keep_starts = [] {
	static_assert(keep_words.size() <= 16);
	std::array<std::uint16_t, 256> m{};
	for (std::size_t w = 0; w < keep_words.size(); ++w)
		m[keep_words[w][0]] |= static_cast<std::uint16_t>(1u << w);
	return m;
}();

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
	destination[n] = 0;

	// Pairs, and katakana to hiragana.
	for (std::size_t i = 0; i < n; ++i)
		destination[i] = code_map[source[i]];

	// Keep words go back to katakana. A match only ever copies the source's
	// own bytes back, so the words may be tried in any order; each position
	// tries just the words that begin with its byte.
	for (std::size_t j = 0; j < n; ++j)
		for (unsigned bits = keep_starts[source[j]]; bits != 0; bits &= bits - 1) {
			const word& w = keep_words[static_cast<std::size_t>(std::countr_zero(bits))];
			if (matches_at(source, j, w))
				std::memcpy(destination + j, source + j, length(w));
		}

	// Phrases last, since they may hold a keep word.
	for (const phrase& p : phrases)
		for (std::size_t j = 0; j < n; ++j)
			if (source[j] == p.pattern[0] && matches_at(source, j, p.pattern))
				std::memcpy(destination + j, p.replacement.data(), length(p.pattern));
}
