// kanamend: re-code the listed messages of a program image for the target
// machine's character set.
#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "common/file.hpp"
#include "kanamend/patch.hpp"

namespace {

// The message list, read byte by byte; remembers why a read failed.
struct file_source {
	std::FILE* file;
	int error = 0;

	int get()
	{
		int c = std::getc(file);
		if (c == EOF && std::ferror(file))
			error = errno;
		return c;
	}
};

} // namespace

int main(int argc, char* argv[])
{
	if (argc != 4) {
		std::fputs("Usage: kanamend inputfile outputfile messagelist\n", stderr);
		return 1;
	}
	const char* inname = argv[1];
	const char* outname = argv[2];
	const char* listname = argv[3];

	static std::uint8_t buffer[65536];
	std::optional<std::span<std::uint8_t>> image = load(inname, buffer);
	if (!image)
		return 1;
	std::FILE* list = std::fopen(listname, "r");
	if (list == nullptr) {
		std::perror(listname);
		return 1;
	}
	if (same_file(outname, inname) || same_file(outname, listname)) {
		std::fprintf(stderr, "Same file error: %s\n", outname);
		return 1;
	}

	file_source source{list};
	patch_result r = patch_image(*image, source);
	if (source.error != 0) {
		errno = source.error;
		std::perror(listname);
		return 1;
	}
	switch (r.status) {
	case patch_status::ok:
		break;
	case patch_status::list_error:
		std::fprintf(stderr, "List error: line=%d\n", r.line);
		return 1;
	case patch_status::address_error:
		std::fprintf(stderr, "Address error: adr=%04x\n", static_cast<unsigned>(r.address));
		return 1;
	case patch_status::long_message:
		std::fprintf(stderr, "Too long message: adr=%04x\n", static_cast<unsigned>(r.address));
		return 1;
	}

	// The output is created only once every message has been re-coded, so
	// that a missing or bad list, or names given in the wrong order, never
	// cuts a file short.
	std::FILE* out = std::fopen(outname, "wb");
	if (out == nullptr) {
		std::perror(outname);
		return 1;
	}
	if (!write_close(out, *image)) {
		std::perror(outname);
		return 1;
	}
	std::fclose(list);
	return 0;
}
