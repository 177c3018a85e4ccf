#include "recstrip/flatten.hpp"

#include <algorithm>
#include <cstring>

namespace {

enum class state { wait_mark, addr_high, addr_low, checksum, mark, length, data, done };

flatten_result fail(flatten_result r, flatten_status status, std::size_t ptr, std::uint8_t byte = 0)
{
	r.status = status;
	r.ptr = ptr;
	r.byte = byte;
	return r;
}

} // namespace

flatten_result flatten(std::span<const std::uint8_t> image, std::span<std::uint8_t> out)
{
	flatten_result r;
	state s = state::wait_mark;
	unsigned sum = 0;
	std::size_t remaining = 0;

	for (std::size_t p = 0; p < image.size() && s != state::done; ++p) {
		const std::uint8_t b = image[p];
		switch (s) {
		case state::wait_mark:
			if (b == 0x3A)
				s = state::addr_high;
			break;
		case state::addr_high:
			r.high = b;
			sum = b;
			s = state::addr_low;
			break;
		case state::addr_low:
			r.low = b;
			sum += b;
			s = state::checksum;
			break;
		case state::checksum:
			sum += b;
			if (sum % 256 != 0)
				return fail(r, flatten_status::sum_error, p, b);
			s = state::mark;
			break;
		case state::mark:
			if (b != 0x3A)
				return fail(r, flatten_status::mark_error, p, b);
			s = state::length;
			break;
		case state::length:
			sum = b;
			if (b != 0) {
				remaining = b;
				r.length += b;
				s = state::data;
			} else if (p + 1 < image.size() && image[p + 1] == 0x00) {
				s = state::done;
			} else {
				return fail(r, flatten_status::end_error, p);
			}
			break;
		case state::data: {
			// The rest of the record's data at once, or what the image holds
			// of it.
			std::size_t k = std::min(remaining, image.size() - p);
			for (std::size_t i = 0; i < k; ++i)
				sum += image[p + i];
			std::memcpy(out.data() + r.written, image.data() + p, k);
			r.written += k;
			remaining -= k;
			p += k - 1;
			if (remaining == 0)
				s = state::checksum;
			break;
		}
		case state::done:
			break;
		}
	}
	// A file that ends before its end record is cut off, not complete.
	if (s != state::done)
		return fail(r, flatten_status::end_error, image.size());
	return r;
}
