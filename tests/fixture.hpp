// Builds test inputs from readable parts: bytes and text, colon records for
// an address and some data, and machine-code files as they stand on tape.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

using bytes = std::vector<std::uint8_t>;

inline bytes text(std::string_view s)
{
	return bytes(s.begin(), s.end());
}

// n copies of b.
inline bytes fill(std::size_t n, std::uint8_t b)
{
	return bytes(n, b);
}

// The parts, one after the other.
inline bytes cat(std::initializer_list<bytes> parts)
{
	bytes all;
	for (const bytes& p : parts)
		all.insert(all.end(), p.begin(), p.end());
	return all;
}

// The byte that makes the sum of the given bytes and itself a multiple of 256.
inline std::uint8_t checksum(const bytes& b)
{
	unsigned sum = 0;
	for (std::uint8_t x : b)
		sum += x;
	return static_cast<std::uint8_t>(-sum);
}

// 0x3A, the start address, its checksum.
inline bytes header(std::uint16_t address)
{
	bytes a{static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
	return cat({{0x3A}, a, {checksum(a)}});
}

// 0x3A, the length, the data, the checksum.
inline bytes record(const bytes& data)
{
	bytes n = cat({{static_cast<std::uint8_t>(data.size())}, data});
	return cat({{0x3A}, n, {checksum(n)}});
}

inline bytes end_record()
{
	return {0x3A, 0x00, 0x00};
}

// A machine-code file as the tape holds it: header, data records, and the
// tape's own final record 0x3A 0x00 0xB9.
inline bytes tape_file(std::uint16_t address, std::initializer_list<bytes> records)
{
	bytes f = header(address);
	for (const bytes& r : records)
		f = cat({f, record(r)});
	return cat({f, {0x3A, 0x00, 0xB9}});
}

// The same file as the splitter writes it: the final record becomes two end
// records.
inline bytes m_file(std::uint16_t address, std::initializer_list<bytes> records)
{
	bytes f = tape_file(address, records);
	f.pop_back();
	f.pop_back();
	return cat({f, {0x00, 0x00, 0x3A, 0x00, 0x00}});
}
