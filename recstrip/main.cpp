// recstrip: check a file of colon records and write its data bytes as a flat
// binary.
#include <cstdint>
#include <cstdio>

#include "common/file.hpp"
#include "recstrip/flatten.hpp"

int main(int argc, char* argv[])
{
	if (argc != 3) {
		std::fputs("Usage: recstrip infile outfile\n", stderr);
		return 1;
	}
	const char* inname = argv[1];
	const char* outname = argv[2];

	static std::uint8_t buffer[65535];
	std::optional<std::span<std::uint8_t>> image = load(inname, buffer);
	if (!image)
		return 1;
	if (same_file(inname, outname)) {
		std::fprintf(stderr, "same file error : %s\n", outname);
		return 1;
	}

	static std::uint8_t data[sizeof buffer];
	flatten_result r = flatten(*image, data);
	// A damaged file keeps the data read before the damage. One that fails
	// before any data, such as a flat binary given by mistake for a record
	// file, has nothing to keep, and the output is not even created: with
	// the names in the wrong order, it is the user's record file.
	if (r.status == flatten_status::ok || r.written > 0) {
		std::FILE* out = std::fopen(outname, "wb");
		if (out == nullptr) {
			std::perror(outname);
			return 1;
		}
		if (!write_close(out, std::span(data, r.written))) {
			std::perror(outname);
			return 1;
		}
	}
	switch (r.status) {
	case flatten_status::ok:
		break;
	case flatten_status::sum_error:
		std::fprintf(stderr, "sumcheck error : ptr=%04zX : checksum=%02X\n", r.ptr, r.byte);
		return 1;
	case flatten_status::mark_error:
		std::fprintf(stderr, "mark error : ptr=%04zX : mark=%02X\n", r.ptr, r.byte);
		return 1;
	case flatten_status::end_error:
		std::fprintf(stderr, "fileend error : ptr=%04zX\n", r.ptr);
		return 1;
	}

	std::printf("%s : STADD=%02X%02X : LEN=%04zX\n", outname, r.high, r.low, r.length);
	return finish_stdout();
}
