// reelsplit: cut a tape image into its BASIC file and its two machine-code
// files.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common/file.hpp"
#include "reelsplit/split.hpp"

int main(int argc, char* argv[])
{
	if (argc != 3) {
		std::fputs("Usage: reelsplit fileno infile\n", stderr);
		return 1;
	}
	// Read as atol would, but a number too large for a long clamps instead
	// of being undefined; it is not 1 either way.
	long fileno = std::strtol(argv[1], nullptr, 10);
	const char* inname = argv[2];

	static std::uint8_t buffer[65535];
	std::optional<std::span<std::uint8_t>> image = load(inname, buffer);
	if (!image)
		return 1;
	if (fileno != 1) {
		std::fputs("Illigal fileno\n", stderr);
		return 1;
	}

	split_result r = split_tape(*image);
	for (std::size_t i = 0; i < r.count; ++i) {
		const cut_file& f = r.files[i];
		if (same_file(f.name, inname)) {
			std::fprintf(stderr, "Same file error: %s\n", f.name);
			return 1;
		}
		std::FILE* out = std::fopen(f.name, "wb");
		if (out == nullptr) {
			std::perror(f.name);
			return 1;
		}
		std::printf("%s generate\n", f.name);
		if (!write_close(out, f.body, f.tail)) {
			std::perror(f.name);
			return 1;
		}
	}
	switch (r.status) {
	case split_status::ok:
		break;
	case split_status::cannot_cut:
		std::fputs("File cannot cut\n", stderr);
		return 1;
	case split_status::header_error:
		std::fprintf(stderr, "Header error: ptr=%04zx\n", r.ptr);
		return 1;
	case split_status::end_error:
		std::fprintf(stderr, "File end error: ptr=%04zx\n", r.ptr);
		return 1;
	}
	return finish_stdout();
}
