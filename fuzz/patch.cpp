// Fuzzes the message-list reader and the patcher. The input is a program
// image and a message list: two bytes give the image's length, the image
// follows, and the rest is the list. Each line may change only bytes of the
// message it lists, never a zero byte, and a line that fails changes nothing.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "kanamend/patch.hpp"

namespace {

struct span_source {
	std::span<const std::uint8_t> bytes;
	std::size_t pos = 0;

	int get() { return pos < bytes.size() ? bytes[pos++] : EOF; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	if (size < 2)
		return 0;
	std::size_t n = data[0] | std::size_t{data[1]} << 8;
	if (n > size - 2)
		n = size - 2;
	std::vector<std::uint8_t> image(data + 2, data + 2 + n);
	span_source list{std::span(data + 2 + n, size - 2 - n)};

	patcher p{image};
	list_reader<span_source> reader{list};
	list_line line;
	while (reader.next(line)) {
		if (line.size > 254 || line.text[line.size] != '\0')
			std::abort();
		const std::vector<std::uint8_t> before = image;
		const bool had_base = p.have_base;
		const std::uint32_t base = p.base;
		patch_result r = patch_line(p, line);
		if (r.status != patch_status::ok) {
			if (image != before)
				std::abort();
			break;
		}
		if (!had_base) {
			if (image != before)
				std::abort();
			continue;
		}
		unsigned address = 0;
		std::sscanf(line.text, "%x", &address);
		std::size_t start = static_cast<std::uint32_t>(address - base);
		std::size_t end = start;
		while (end < image.size() && before[end] != 0)
			++end;
		for (std::size_t i = 0; i < image.size(); ++i)
			if (image[i] != before[i] && (i < start || i >= end || image[i] == 0))
				std::abort();
	}
	return 0;
}
