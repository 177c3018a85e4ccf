// Fuzzes the record flattener. Whatever it accepts, it reports the length it
// wrote, and the data written out again as records flatten to the same.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "recstrip/flatten.hpp"

// The data as a record file: header, records of at most 255 bytes, end.
static std::vector<std::uint8_t> records(std::uint8_t high, std::uint8_t low, std::span<const std::uint8_t> data)
{
	std::vector<std::uint8_t> f{0x3A, high, low, static_cast<std::uint8_t>(-(high + low))};
	for (std::size_t at = 0; at < data.size(); at += 255) {
		std::size_t n = std::min<std::size_t>(255, data.size() - at);
		unsigned sum = static_cast<unsigned>(n);
		f.push_back(0x3A);
		f.push_back(static_cast<std::uint8_t>(n));
		for (std::size_t k = 0; k < n; ++k) {
			f.push_back(data[at + k]);
			sum += data[at + k];
		}
		f.push_back(static_cast<std::uint8_t>(-sum));
	}
	f.insert(f.end(), {0x3A, 0x00, 0x00});
	return f;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	const std::vector<std::uint8_t> image(data, data + size);
	std::vector<std::uint8_t> out(size);
	flatten_result r = flatten(image, out);
	if (r.written > size || r.written > r.length)
		std::abort();
	if (r.status != flatten_status::ok) {
		if (r.ptr > size)
			std::abort();
		return 0;
	}
	if (r.written != r.length)
		std::abort();

	std::span<const std::uint8_t> flat(out.data(), r.written);
	const std::vector<std::uint8_t> again = records(r.high, r.low, flat);
	std::vector<std::uint8_t> out2(again.size());
	flatten_result r2 = flatten(again, out2);
	if (r2.status != flatten_status::ok || r2.high != r.high || r2.low != r.low || r2.written != r.written ||
	    !std::equal(flat.begin(), flat.end(), out2.begin()))
		std::abort();
	return 0;
}
