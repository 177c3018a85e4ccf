#include <gtest/gtest.h>

#include "fixture.hpp"
#include "recstrip/flatten.hpp"

namespace {

TEST(records, fixture_builds_the_format)
{
	EXPECT_EQ(header(0xB500), bytes({0x3A, 0xB5, 0x00, 0x4B}));
	EXPECT_EQ(record({0x01, 0x02}), bytes({0x3A, 0x02, 0x01, 0x02, 0xFB}));
	EXPECT_EQ(cat({header(0), end_record()}), bytes({0x3A, 0x00, 0x00, 0x00, 0x3A, 0x00, 0x00}));
}

struct flatten_case {
	const char* name;
	bytes file;
	flatten_result want; // status, ptr, byte, high, low, length, written
	bytes data;
};

const bytes a = {0x01, 0x02, 0x03}, b = {0xFF, 0x80};

const flatten_case cases[] = {
	{"no data", cat({header(0), end_record()}), {flatten_status::ok, 0, 0, 0, 0, 0, 0}, {}},
	{"two records", cat({header(0xB500), record(a), record(b), end_record()}),
	 {flatten_status::ok, 0, 0, 0xB5, 0x00, 5, 5}, cat({a, b})},
	{"bytes before the first mark", cat({{0x00, 0xD3, 0x3B}, header(0x1234), record(a), end_record()}),
	 {flatten_status::ok, 0, 0, 0x12, 0x34, 3, 3}, a},
	{"two end records, as the splitter writes", m_file(0xC000, {a}),
	 {flatten_status::ok, 0, 0, 0xC0, 0x00, 3, 3}, a},
	{"nothing after the end record counts", cat({header(0x0100), record(a), end_record(), record(b), {0x99}}),
	 {flatten_status::ok, 0, 0, 0x01, 0x00, 3, 3}, a},
	{"no data, then more bytes", m_file(0xB500, {}), {flatten_status::ok, 0, 0, 0xB5, 0x00, 0, 0}, {}},
	{"longest record", cat({header(0x8000), record(fill(255, 0xAA)), end_record()}),
	 {flatten_status::ok, 0, 0, 0x80, 0x00, 255, 255}, fill(255, 0xAA)},

	{"header checksum", {0x3A, 0xB5, 0x00, 0x4C, 0x3A, 0x00, 0x00},
	 {flatten_status::sum_error, 3, 0x4C, 0xB5, 0x00, 0, 0}, {}},
	// The data of the failing record is written before its checksum is read.
	{"data checksum", cat({header(0xB500), record(a), {0x3A, 0x02, 0x10, 0x20, 0x00}, end_record()}),
	 {flatten_status::sum_error, 14, 0x00, 0xB5, 0x00, 5, 5}, cat({a, {0x10, 0x20}})},
	{"mark after the header", {0x3A, 0xB5, 0x00, 0x4B, 0x3B, 0x00, 0x00},
	 {flatten_status::mark_error, 4, 0x3B, 0xB5, 0x00, 0, 0}, {}},
	{"mark after a record", cat({header(0xB500), {0x3A, 0x01, 0x07, 0xF8, 0x00}}),
	 {flatten_status::mark_error, 8, 0x00, 0xB5, 0x00, 1, 1}, {0x07}},
	{"end record", cat({header(0xB500), record(a), {0x3A, 0x00, 0xB9}}),
	 {flatten_status::end_error, 11, 0, 0xB5, 0x00, 3, 3}, a},

	{"empty file", {}, {flatten_status::end_error, 0, 0, 0, 0, 0, 0}, {}},
	{"no mark at all", {0x00, 0x01, 0x02}, {flatten_status::end_error, 3, 0, 0, 0, 0, 0}, {}},
	{"cut off in the header", {0x3A, 0xB5}, {flatten_status::end_error, 2, 0, 0xB5, 0, 0, 0}, {}},
	{"cut off in a record", cat({header(0xB500), {0x3A, 0x03, 0x01, 0x02}}),
	 {flatten_status::end_error, 8, 0, 0xB5, 0x00, 3, 2}, {0x01, 0x02}},
	{"cut off after a record", cat({header(0xB500), record(a)}),
	 {flatten_status::end_error, 10, 0, 0xB5, 0x00, 3, 3}, a},
	{"zero length as the last byte", cat({header(0xB500), {0x3A, 0x00}}),
	 {flatten_status::end_error, 5, 0, 0xB5, 0x00, 0, 0}, {}},
};

TEST(flatten, table)
{
	for (const flatten_case& c : cases) {
		SCOPED_TRACE(c.name);
		bytes out(c.file.size(), 0xEE);
		flatten_result r = flatten(c.file, out);
		EXPECT_EQ(r.status, c.want.status);
		EXPECT_EQ(r.ptr, c.want.ptr);
		EXPECT_EQ(r.byte, c.want.byte);
		EXPECT_EQ(r.high, c.want.high);
		EXPECT_EQ(r.low, c.want.low);
		EXPECT_EQ(r.length, c.want.length);
		ASSERT_EQ(r.written, c.want.written);
		EXPECT_EQ(bytes(out.begin(), out.begin() + static_cast<long>(r.written)), c.data);
	}
}

} // namespace
