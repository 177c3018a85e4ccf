// The tape scanner: finds the three files of a layout-1 tape image.
//
// The layout is a gap, a BASIC file that opens with at least ten 0xD3 bytes
// and closes with at least twelve 0x00 bytes, a gap with no 0x3A, and two
// machine-code files of colon records, each with its own gap before it and
// closed on tape by 0x3A 0x00 0xB9. Nothing after the second file counts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

enum class split_status { ok, cannot_cut, header_error, end_error };

// One output file: bytes cut from the tape, then the splitter's own ending.
// A file that the scan could not finish has no ending, only what was cut.
struct cut_file {
	const char* name;
	std::span<const std::uint8_t> body;
	std::span<const std::uint8_t> tail;
};

struct split_result {
	split_status status = split_status::ok;
	std::size_t ptr = 0;              // where a header or end error stands
	std::array<cut_file, 3> files{};  // the files to create, in order
	std::size_t count = 0;
};

// Scans the image once. Nothing past its end is looked at: a run, header or
// record that the end cuts off never matches and is never written.
split_result split_tape(std::span<const std::uint8_t> image);
