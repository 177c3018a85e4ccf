#include <cstdio>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "fixture.hpp"
#include "kanamend/patch.hpp"

namespace {

struct text_source {
	std::string_view s;
	std::size_t pos = 0;

	int get() { return pos < s.size() ? static_cast<unsigned char>(s[pos++]) : EOF; }
};

std::vector<std::string> lines_of(std::string_view list)
{
	text_source src{list};
	list_reader<text_source> reader{src};
	list_line line;
	std::vector<std::string> all;
	while (reader.next(line))
		all.emplace_back(line.text, line.size);
	return all;
}

TEST(list_reader, splits_as_a_text_stream_would)
{
	const std::string l254(254, 'a'), l253(253, 'b');
	struct {
		const char* name;
		std::string list;
		std::vector<std::string> lines;
	} cases[] = {
		{"empty", "", {}},
		{"last line without its end", "1\n2", {"1\n", "2"}},
		{"CR LF", "1\r\n2\r\n", {"1\n", "2\n"}},
		{"CR dropped wherever it stands", "1\r2\r\r\n", {"12\n"}},
		{"0x1A ends the list", "1\n2\x1a\n3\n", {"1\n", "2"}},
		{"0x1A at a line start", "1\n\x1a" "2\n", {"1\n"}},
		{"253 characters and the end fit", l253 + "\n", {l253 + "\n"}},
		{"254 characters leave the end alone", l254 + "\n", {l254, "\n"}},
		{"CR does not count", l253 + "\r\r\n", {l253 + "\n"}},
		{"pieces of 254", l254 + l254 + "cc", {l254, l254, "cc"}},
	};
	for (const auto& c : cases)
		EXPECT_EQ(lines_of(c.list), c.lines) << c.name;
}

// An image that belongs at 0xB500, with messages at 0xB500, 0xB503 and
// 0xB507, and one at 0xB50A that the end of the image cuts off.
const bytes image = {
	0xBA, 0xDD, 0x00,            // b500: ko n
	0xC3, 0xDE, 0xD3, 0x00,      // b503: de mo
	0xC5, 0xB1, 0x00,            // b507: na a
	0xB1,                        // b50a: a
};
const bytes first_done = {0x9A, 0xFD, 0x00, 0xC3, 0xDE, 0xD3, 0x00, 0xC5, 0xB1, 0x00, 0xB1};
const bytes third_done = {0xBA, 0xDD, 0x00, 0xC3, 0xDE, 0xD3, 0x00, 0xE5, 0x91, 0x00, 0xB1};

struct patch_case {
	const char* name;
	std::string list;
	bytes result;
	patch_result error = {};
};

const patch_case cases[] = {
	{"empty list", "", image},
	{"base only", "b500\n", image},
	{"address at the base", "b500\nb500\n", first_done},
	{"every message", "B500\nb500\nb503\nb507\nb50a\n",
	 {0x9A, 0xFD, 0x00, 0xC3, 0xDE, 0xD3, 0x00, 0xE5, 0x91, 0x00, 0x91}},
	{"empty message", "b500\nb502\n", image},
	{"twice", "b500\nb500\nb500\n", {0x1A, 0xFD, 0x00, 0xC3, 0xDE, 0xD3, 0x00, 0xC5, 0xB1, 0x00, 0xB1}},
	// b504 starts inside the keep word at b503: whichever comes second sees
	// what the first one made of the bytes they share.
	{"overlapping", "b500\nb503\nb504\n", {0xBA, 0xDD, 0x00, 0xC3, 0xDE, 0xF3, 0x00, 0xC5, 0xB1, 0x00, 0xB1}},
	{"overlapping the other way", "b500\nb504\nb503\n",
	 {0xBA, 0xDD, 0x00, 0xE3, 0xDE, 0xF3, 0x00, 0xC5, 0xB1, 0x00, 0xB1}},
	{"comments, prefixes, blanks, CR LF", "  0xb500 load address\r\n\t0XB507 na a\r\n", third_done},
	{"a minus sign wraps", "-1\n-1\n", first_done},
	{"blank lines set and convert nothing", "\n  \n\t\nb500\n\nb507\n\n \n", third_done},
	{"nothing after 0x1A", "b500\n\x1a" "b500\nzz\n", image},
	{"no number", "b500\nb500\nzz\n", first_done, {patch_status::list_error, 3, 0}},
	{"no number in the base line", "\n#1\n", image, {patch_status::list_error, 2, 0}},
	// The line end of a 254-character line is a line of its own.
	{"long lines count in pieces", "b500" + std::string(250, ' ') + "\n/\n", image,
	 {patch_status::list_error, 3, 0}},
	{"address past the image", "b500\nb50b\n", image, {patch_status::address_error, 0, 0xB50B}},
	{"address below the base", "b500\nb4ff\n", image, {patch_status::address_error, 0, 0xB4FF}},
};

TEST(patch, table)
{
	for (const patch_case& c : cases) {
		SCOPED_TRACE(c.name);
		bytes img = image;
		text_source src{c.list};
		patch_result r = patch_image(img, src);
		EXPECT_EQ(r.status, c.error.status);
		EXPECT_EQ(r.line, c.error.line);
		EXPECT_EQ(r.address, c.error.address);
		EXPECT_EQ(img, c.result);
	}
}

TEST(patch, message_length_limit)
{
	for (std::size_t n : {max_message, max_message + 1}) {
		bytes img = cat({fill(n, 0xB1), {0x00}});
		text_source src{"0\n0\n"};
		patch_result r = patch_image(img, src);
		if (n == max_message) {
			EXPECT_EQ(r.status, patch_status::ok);
			EXPECT_EQ(img, cat({fill(n, 0x91), {0x00}}));
		} else {
			EXPECT_EQ(r.status, patch_status::long_message);
			EXPECT_EQ(r.address, 0u);
			EXPECT_EQ(img, cat({fill(n, 0xB1), {0x00}}));
		}
	}
}

} // namespace
