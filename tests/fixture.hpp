// Builds test inputs from readable parts: bytes and text, colon records for
// an address and some data, and machine-code files as they stand on tape.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

using bytes = std::vector<std::uint8_t>;

inline bytes text(std::string_view s)
{
	return bytes(s.begin(), s.end());
}

// Writes b to the file p; false, after a perror-form line, when that failed.
inline bool save(const std::filesystem::path& p, const bytes& b)
{
	std::FILE* f = std::fopen(p.c_str(), "wb");
	if (f == nullptr) {
		std::perror(p.c_str());
		return false;
	}
	bool ok = b.empty() || std::fwrite(b.data(), 1, b.size(), f) == b.size();
	if (std::fclose(f) != 0 || !ok) {
		std::perror(p.c_str());
		return false;
	}
	return true;
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

// A BASIC file as the tape holds it: a run of ten 0xD3, the file's own
// bytes, and a run of twelve zeros.
inline bytes basic_file(const bytes& body)
{
	return cat({fill(10, 0xD3), body, fill(12, 0x00)});
}

// The sample tape of the walkthrough: a BASIC loader, a small machine-code
// file at 0x0000, and a program at 0xB500 that holds katakana messages, with
// gaps between them and noise after the end.
struct sample {
	bytes basic;    // the loader, as the splitter writes it
	bytes low;      // the data of the file at 0x0000
	bytes program;  // the data of the file at 0xB500, flat
	bytes recoded;  // program with its messages re-coded
	bytes list;     // the message list for program
	bytes m0000;    // the two machine-code files as the splitter writes them
	bytes mb500;
	bytes tape;
};

inline sample sample_tape()
{
	sample s;
	const bytes loader = cat({{0x0E, 0x80, 0x0A, 0x00}, text("CLOAD\"bin\":EXEC&HB500"), {0x00, 0x1A, 0x80}});
	s.basic = basic_file(loader);
	s.low = {0xC3, 0x00, 0xB5, 0x00, 0x00, 0x00, 0xF3, 0x31, 0x00, 0xF0};
	const bytes code = {0x21, 0x10, 0xB5, 0xCD, 0x00, 0x01, 0xC3, 0x00, 0x00, 0x00,
	                    0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
	// b510: "konnichiha"
	const bytes hello = {0xBA, 0xDD, 0xC6, 0xC1, 0xCA, 0x00};
	// b516: "suta-to ki- wo oshitekudasai" (press the start key)
	const bytes press = {0xBD, 0xC0, 0xB0, 0xC4, 0x20, 0xB7, 0xB0, 0x20, 0xA6, 0x20,
	                     0xB5, 0xBC, 0xC3, 0xB8, 0xC0, 0xDE, 0xBB, 0xB2, 0x00};
	// b529: "nandemo arimasu"
	const bytes any = {0xC5, 0xDD, 0xBA, 0xC3, 0xDE, 0xD3, 0x20, 0xB1, 0xD8, 0xCF, 0xBD, 0x00};
	// b535: a frame of graphic codes
	const bytes frame = {0x98, 0x90, 0x90, 0x99, 0x00};
	s.program = cat({code, hello, press, any, frame});
	s.recoded = cat({code,
	                 {0x9A, 0xFD, 0xE6, 0xE1, 0xEA, 0x00},
	                 {0xBD, 0xC0, 0xB0, 0xC4, 0x20, 0xB7, 0xB0, 0x20, 0x86, 0x20,
	                  0x95, 0x9C, 0xE3, 0x98, 0xE0, 0xDE, 0x9B, 0x92, 0x00},
	                 {0xE5, 0xFD, 0x9A, 0xE3, 0xDE, 0xF3, 0x20, 0x91, 0xF8, 0xEF, 0x9D, 0x00},
	                 {0x18, 0x11, 0x11, 0x19, 0x00}});
	s.list = text("b500 load address\n"
	              "b510 konnichiha\n"
	              "b516 press the start key\n"
	              "b529 nandemo arimasu\n"
	              "b535 frame\n");
	const bytes p(s.program);
	const auto part = [&p](std::size_t from, std::size_t n) {
		return bytes(p.begin() + static_cast<long>(from), p.begin() + static_cast<long>(from + n));
	};
	s.m0000 = m_file(0x0000, {s.low});
	s.mb500 = m_file(0xB500, {part(0, 32), part(32, p.size() - 32)});
	s.tape = cat({fill(40, 0x00), {0x55, 0xAA}, s.basic, fill(30, 0x00),
	              tape_file(0x0000, {s.low}), fill(30, 0x00),
	              tape_file(0xB500, {part(0, 32), part(32, p.size() - 32)}),
	              fill(16, 0x00), {0x3A, 0x3A, 0xFF}});
	return s;
}
