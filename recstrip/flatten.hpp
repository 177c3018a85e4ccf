// The record flattener: checks a file of colon records and keeps only the
// data bytes.
//
// A file is a header record (0x3A, address high, address low, checksum),
// data records (0x3A, length 1-255, the data, checksum) and an end record
// (0x3A, 0x00, 0x00). A record's checksum makes the sum of its bytes after
// the mark a multiple of 256.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

enum class flatten_status { ok, sum_error, mark_error, end_error };

struct flatten_result {
	flatten_status status = flatten_status::ok;
	std::size_t ptr = 0;     // where the error stands in the input
	std::uint8_t byte = 0;   // the checksum or mark byte that was wrong
	std::uint8_t high = 0;   // the start address
	std::uint8_t low = 0;
	std::size_t length = 0;  // the total of the records' lengths
	std::size_t written = 0; // the data bytes put in out
};

// Flattens the record file in image into out, which must be at least as long.
// Bytes before the first mark are skipped, and bytes after the first end
// record are ignored. The data bytes of a record are put in out before its
// checksum is checked, so on an error out holds all data seen up to it.
flatten_result flatten(std::span<const std::uint8_t> image, std::span<std::uint8_t> out);
