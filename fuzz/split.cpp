// Fuzzes the tape scanner. Every file it cuts lies inside the tape, and every
// finished machine-code file is one the flattener takes (unless a checksum
// on the tape was wrong, which the scanner does not check), with the data
// bytes of the tape's records.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "recstrip/flatten.hpp"
#include "reelsplit/split.hpp"

// The data bytes of the records in a machine-code file that the scanner
// has already found well-formed.
static std::vector<std::uint8_t> data_of(std::span<const std::uint8_t> m)
{
	std::vector<std::uint8_t> data;
	for (std::size_t p = 4; m[p + 1] != 0; p += m[p + 1] + 3)
		data.insert(data.end(), m.begin() + static_cast<long>(p + 2), m.begin() + static_cast<long>(p + 2 + m[p + 1]));
	return data;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	const std::vector<std::uint8_t> image(data, data + size);
	split_result r = split_tape(image);
	if (r.count > 3 || (r.status == split_status::ok && r.count != 3))
		std::abort();

	for (std::size_t i = 0; i < r.count; ++i) {
		const cut_file& f = r.files[i];
		if (f.body.data() < image.data() || f.body.data() + f.body.size() > image.data() + image.size())
			std::abort();
		if (std::strcmp(f.name, "load.bas") == 0) {
			for (std::size_t k = 0; k < 10 && k < f.body.size(); ++k)
				if (f.body[k] != 0xD3)
					std::abort();
			continue;
		}
		if (f.tail.empty())
			continue;
		std::vector<std::uint8_t> m(f.body.begin(), f.body.end());
		m.insert(m.end(), f.tail.begin(), f.tail.end());
		std::vector<std::uint8_t> out(m.size());
		flatten_result fr = flatten(m, out);
		if (fr.status == flatten_status::sum_error)
			continue;
		const std::vector<std::uint8_t> want = data_of(m);
		if (fr.status != flatten_status::ok || fr.written != want.size() ||
		    !std::equal(want.begin(), want.end(), out.begin()))
			std::abort();
	}
	return 0;
}
