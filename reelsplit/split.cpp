#include "reelsplit/split.hpp"

namespace {

enum class state { find_basic, copy_basic, find_first, copy_first, find_second, copy_second, done };

constexpr std::array<std::uint8_t, 12> basic_end{};
// The tape's 0x00 0xB9 becomes an end record and a second end record.
constexpr std::array<std::uint8_t, 5> records_end{0x00, 0x00, 0x3A, 0x00, 0x00};

// True when n bytes b stand in image from j.
bool run_at(std::span<const std::uint8_t> image, std::size_t j, std::size_t n, std::uint8_t b)
{
	if (n > image.size() - j)
		return false;
	for (std::size_t k = 0; k < n; ++k)
		if (image[j + k] != b)
			return false;
	return true;
}

struct scan {
	std::span<const std::uint8_t> image;
	split_result r;
	bool open = false;
	std::size_t start = 0; // where the open file's bytes begin

	void create(const char* name, std::size_t at)
	{
		r.files[r.count++] = {name, {}, {}};
		open = true;
		start = at;
	}

	// The open file gets the tape's bytes up to end, then tail, and is closed.
	void finish(std::size_t end, std::span<const std::uint8_t> tail = {})
	{
		r.files[r.count - 1].body = image.subspan(start, end - start);
		r.files[r.count - 1].tail = tail;
		open = false;
	}

	// Ends the scan; a file still open keeps what was cut up to end.
	split_result stop(split_status status, std::size_t ptr, std::size_t end)
	{
		if (open)
			finish(end);
		r.status = status;
		r.ptr = ptr;
		return r;
	}
};

} // namespace

split_result split_tape(std::span<const std::uint8_t> image)
{
	scan sc{image, {}};
	state s = state::find_basic;
	std::size_t j = 0;

	for (; j < image.size() && s != state::done; ++j) {
		switch (s) {
		case state::find_basic:
			if (run_at(image, j, 10, 0xD3)) {
				sc.create("load.bas", j);
				s = state::copy_basic;
			}
			break;
		case state::copy_basic:
			// The rest of the zero run is skipped by the search for the next
			// file, since it holds no 0x3A.
			if (run_at(image, j, 12, 0x00)) {
				sc.finish(j, basic_end);
				s = state::find_first;
			}
			break;
		case state::find_first:
		case state::find_second:
			if (image[j] != 0x3A)
				break;
			// The header record and the mark of the record after it.
			if (image.size() - j < 5)
				return sc.stop(split_status::cannot_cut, 0, j);
			sc.create(s == state::find_first ? "bin0000.m" : "binb500.m", j);
			if (image[j + 4] != 0x3A)
				return sc.stop(split_status::header_error, j + 4, j + 5);
			j += 4;
			s = s == state::find_first ? state::copy_first : state::copy_second;
			break;
		case state::copy_first:
		case state::copy_second:
			if (std::size_t n = image[j]; n != 0) {
				// Length, data, checksum and the next record's mark.
				if (image.size() - j < n + 3)
					return sc.stop(split_status::cannot_cut, 0, j);
				if (image[j + n + 2] != 0x3A)
					return sc.stop(split_status::header_error, j + n + 2, j + n + 3);
				j += n + 2;
			} else {
				if (image.size() - j < 2)
					return sc.stop(split_status::cannot_cut, 0, j);
				if (image[j + 1] != 0xB9)
					return sc.stop(split_status::end_error, j, j);
				sc.finish(j, records_end);
				s = s == state::copy_first ? state::find_second : state::done;
			}
			break;
		case state::done:
			break;
		}
	}
	if (s != state::done)
		return sc.stop(split_status::cannot_cut, 0, j);
	return sc.r;
}
