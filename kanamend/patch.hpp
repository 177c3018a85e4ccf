// The message patcher: works through a message list and re-codes each listed
// message of a program image in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

// The longest message that fits the 1,024-byte buffers with its terminator.
constexpr std::size_t max_message = 1023;

// One read of the message list: at most 254 characters and a terminator.
struct list_line {
	char text[256];
	std::size_t size;
};

// Reads the message list as a text stream would on any system: CR bytes are
// dropped, a 0x1A byte ends the list, and a line longer than 254 characters
// comes in pieces of at most 254, each counted as a line of its own. Source
// is anything with an int get() that returns a byte, or EOF at the end.
template <typename Source>
struct list_reader {
	Source& source;
	bool ended = false;

	// Reads the next line into line; false when the list is used up.
	bool next(list_line& line)
	{
		line.size = 0;
		while (!ended && line.size < 254) {
			int c = source.get();
			if (c == EOF || c == 0x1A) {
				ended = true;
				break;
			}
			if (c == '\r')
				continue;
			line.text[line.size++] = static_cast<char>(c);
			if (c == '\n')
				break;
		}
		line.text[line.size] = '\0';
		return line.size > 0;
	}
};

enum class patch_status { ok, list_error, address_error, long_message };

struct patch_result {
	patch_status status = patch_status::ok;
	int line = 0;              // list_error: the line, counted from 1
	std::uint32_t address = 0; // address_error, long_message: as listed
};

// The state of a list being worked through.
struct patcher {
	std::span<std::uint8_t> image; // the bytes read
	int line = 0;                  // lines read so far
	bool have_base = false;
	std::uint32_t base = 0;
};

// Takes one line of the list. A blank line is skipped; the first line with a
// number gives the base address, and every later one the address of a
// message, which is re-coded in place.
patch_result patch_line(patcher& p, const list_line& line);

// Works through the whole list, stopping at the first line that fails.
template <typename Source>
patch_result patch_image(std::span<std::uint8_t> image, Source& list)
{
	patcher p{image};
	list_reader<Source> reader{list};
	list_line line;
	while (reader.next(line)) {
		patch_result r = patch_line(p, line);
		if (r.status != patch_status::ok)
			return r;
	}
	return {};
}
