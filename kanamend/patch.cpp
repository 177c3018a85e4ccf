#include "kanamend/patch.hpp"

#include <cstring>

#include "kanamend/recode.hpp"

static bool is_blank(const list_line& line)
{
	for (std::size_t i = 0; i < line.size; ++i)
		if (line.text[i] != ' ' && line.text[i] != '\t' && line.text[i] != '\n')
			return false;
	return true;
}

patch_result patch_line(patcher& p, const list_line& line)
{
	++p.line;
	if (is_blank(line))
		return {};

	unsigned int value;
	if (std::sscanf(line.text, "%x", &value) != 1)
		return {patch_status::list_error, p.line, 0};
	std::uint32_t address = value;
	if (!p.have_base) {
		p.base = address;
		p.have_base = true;
		return {};
	}

	std::uint32_t offset = address - p.base;
	if (offset >= p.image.size())
		return {patch_status::address_error, 0, address};
	std::span<std::uint8_t> rest = p.image.subspan(offset);
	std::size_t n = 0;
	while (n < rest.size() && rest[n] != 0)
		++n;
	if (n > max_message)
		return {patch_status::long_message, 0, address};

	std::uint8_t message[max_message + 1];
	std::uint8_t result[max_message + 1];
	std::memcpy(message, rest.data(), n);
	message[n] = 0;
	recode_message(message, result);
	std::memcpy(rest.data(), result, n);
	return {};
}
