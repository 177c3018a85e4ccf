// Fuzzes recode_message: the result keeps the message's length, and only
// codes that the tables name (the pair codes and the katakana) ever change.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "kanamend/patch.hpp"
#include "kanamend/recode.hpp"

static bool named(std::uint8_t c)
{
	return (c >= 0x80 && c <= 0x9F) || (c >= 0xA6 && c <= 0xDD && c != 0xB0) || (c >= 0xE0 && c <= 0xF0);
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
	return 0;
}
