// Fuzzes recode_message: the result keeps the message's length, only codes
// that the tables name (the pair codes and the katakana) ever change, and it
// is what the five passes give when run one after the other in their plain
// form: one scan of the message for each entry of each table.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "kanamend/patch.hpp"
#include "kanamend/recode.hpp"
#include "kanamend/tables.hpp"

static bool named(std::uint8_t c)
{
	return (c >= 0x80 && c <= 0x9F) || (c >= 0xA6 && c <= 0xDD && c != 0xB0) || (c >= 0xE0 && c <= 0xF0);
}

static bool at(const std::uint8_t* s, std::size_t j, const word& w)
{
	for (std::size_t k = 0; w[k] != 0; ++k)
		if (s[j + k] == 0 || s[j + k] != w[k])
			return false;
	return true;
}

static void plain_recode(const std::uint8_t* source, std::uint8_t* destination)
{
	std::size_t n = std::strlen(reinterpret_cast<const char*>(source));
	std::memcpy(destination, source, n + 1);
	for (const pair& p : pairs)
		for (std::size_t i = 0; i < n; ++i)
			if (source[i] == p.from)
				destination[i] = p.to;
	for (std::size_t i = 0; i < n; ++i) {
		std::uint8_t c = source[i];
		if ((c >= 0xA6 && c <= 0xAF) || (c >= 0xB1 && c <= 0xBF))
			destination[i] = static_cast<std::uint8_t>(destination[i] + 0xE0);
		else if (c >= 0xC0 && c <= 0xDD)
			destination[i] = static_cast<std::uint8_t>(destination[i] + 0x20);
	}
	for (const word& w : keep_words)
		for (std::size_t j = 0; j < n; ++j)
			if (at(source, j, w))
				std::memcpy(destination + j, source + j, std::strlen(reinterpret_cast<const char*>(w.data())));
	for (const phrase& p : phrases)
		for (std::size_t j = 0; j < n; ++j)
			if (at(source, j, p.pattern))
				std::memcpy(destination + j, p.replacement.data(),
				            std::strlen(reinterpret_cast<const char*>(p.pattern.data())));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	std::size_t n = 0;
	while (n < size && n < max_message && data[n] != 0)
		++n;
	// Buffers of exactly the message and its terminator, so that a read or
	// write past them is caught.
	auto source = std::make_unique<std::uint8_t[]>(n + 1);
	auto result = std::make_unique<std::uint8_t[]>(n + 1);
	std::memcpy(source.get(), data, n);
	source[n] = 0;
	recode_message(source.get(), result.get());

	if (result[n] != 0)
		std::abort();
	for (std::size_t i = 0; i < n; ++i)
		if (result[i] == 0 || (result[i] != source[i] && !named(source[i])))
			std::abort();
	auto plain = std::make_unique<std::uint8_t[]>(n + 1);
	plain_recode(source.get(), plain.get());
	if (std::memcmp(plain.get(), result.get(), n + 1) != 0)
		std::abort();
	return 0;
}
