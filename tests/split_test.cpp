#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "fixture.hpp"
#include "reelsplit/split.hpp"

namespace {

using files = std::vector<std::pair<std::string, bytes>>;

struct split_case {
	std::string name;
	bytes tape;
	split_status status;
	std::size_t ptr;
	files cut;
};

// A BASIC body with zeros in it, gaps that hold neither ten 0xD3 nor a 0x3A,
// and two machine-code files.
const bytes prog = {0x0A, 0x00, 0x8F, 0x20, 0x00, 0x00, 0x41, 0xD3};
const bytes gap = {0x00, 0x55, 0xD3, 0xD3, 0xFF};
const bytes a = {0x01, 0x02, 0x03}, big = fill(0x80, 0x21), kana = {0xBA, 0xDD, 0x00};
const bytes basic = basic_file(prog);
const bytes lead = cat({gap, basic, gap}); // everything before the first file
const bytes f1 = tape_file(0x0000, {a, big}), f2 = tape_file(0xB500, {kana});

std::vector<split_case> cases()
{
	const auto load = std::pair{std::string("load.bas"), basic};
	const auto m1 = std::pair{std::string("bin0000.m"), m_file(0x0000, {a, big})};
	const auto m2 = std::pair{std::string("binb500.m"), m_file(0xB500, {kana})};
	const auto first = [](const bytes& b) { return std::pair{std::string("bin0000.m"), b}; };
	const auto loaded = [](const bytes& b) { return std::pair{std::string("load.bas"), b}; };
	const bytes bad_sum = cat({header(0), {0x3A, 0x01, 0x55, 0x00}, {0x3A, 0x00, 0xB9}});
	const split_status ok = split_status::ok, cut = split_status::cannot_cut;
	return {
		{"the whole tape", cat({lead, f1, gap, f2, {0x3A, 0x01, 0x99}}), ok, 0, {load, m1, m2}},
		{"ending at the last 0xB9", cat({basic, f1, f2}), ok, 0, {load, m1, m2}},
		{"a long 0xD3 run all goes in", cat({fill(5, 0xD3), basic, f1, f2}), ok, 0,
		 {loaded(cat({fill(5, 0xD3), basic})), m1, m2}},
		{"nine 0xD3 are a gap", cat({fill(9, 0xD3), {0x01}, basic, f1, f2}), ok, 0, {load, m1, m2}},
		{"eleven zeros stay inside", cat({basic_file(cat({prog, fill(11, 0), prog})), f1, f2}), ok, 0,
		 {loaded(basic_file(cat({prog, fill(11, 0), prog}))), m1, m2}},
		{"a long zero run ends in twelve", cat({basic, fill(20, 0), f1, f2}), ok, 0, {load, m1, m2}},
		{"checksums are copied unchecked", cat({basic, bad_sum, f2}), ok, 0,
		 {load, first(cat({header(0), {0x3A, 0x01, 0x55, 0x00}, {0x3A, 0x00, 0x00, 0x3A, 0x00, 0x00}})), m2}},
		{"files with no data", cat({basic, tape_file(0x1000, {}), tape_file(0x2000, {})}), ok, 0,
		 {load, first(m_file(0x1000, {})), {"binb500.m", m_file(0x2000, {})}}},

		{"no mark after the header", cat({lead, {0x3A, 0x00, 0x00, 0x00, 0x55, 0x3A}}),
		 split_status::header_error, lead.size() + 4, {load, first({0x3A, 0x00, 0x00, 0x00, 0x55})}},
		{"no mark after a record", cat({lead, header(0), {0x3A, 0x01, 0x07, 0xF8, 0x41, 0x3A}}),
		 split_status::header_error, lead.size() + 8, {load, first(cat({header(0), {0x3A, 0x01, 0x07, 0xF8, 0x41}}))}},
		{"no 0xB9 after the zero length", cat({lead, header(0), record(a), {0x3A, 0x00, 0x00}}),
		 split_status::end_error, lead.size() + 11, {load, first(cat({header(0), record(a), {0x3A}}))}},
		{"no 0xB9 in the second file", cat({basic, f1, header(0xB500), {0x3A, 0x00, 0xB8}}),
		 split_status::end_error, basic.size() + f1.size() + 5,
		 {load, m1, {"binb500.m", cat({header(0xB500), {0x3A}})}}},

		{"empty", {}, cut, 0, {}},
		{"only a gap", gap, cut, 0, {}},
		{"ten 0xD3 at the end", cat({gap, fill(10, 0xD3)}), cut, 0, {loaded(fill(10, 0xD3))}},
		{"a zero run cut short", cat({fill(10, 0xD3), prog, fill(11, 0)}), cut, 0,
		 {loaded(cat({fill(10, 0xD3), prog, fill(11, 0)}))}},
		{"no first file", cat({basic, gap}), cut, 0, {load}},
		{"cut in the first header", cat({lead, {0x3A, 0x00, 0x00, 0x00}}), cut, 0, {load}},
		{"cut in a record", cat({lead, header(0), {0x3A, 0x03, 0x01, 0x02, 0x03}}), cut, 0,
		 {load, first(cat({header(0), {0x3A}}))}},
		{"cut after a zero length", cat({lead, header(0), record(a), {0x3A, 0x00}}), cut, 0,
		 {load, first(cat({header(0), record(a), {0x3A}}))}},
		{"no second file", cat({lead, f1, gap}), cut, 0, {load, m1}},
		{"cut in the second file", cat({lead, f1, header(0xB500), record(a)}), cut, 0,
		 {load, m1, {"binb500.m", cat({header(0xB500), {0x3A}})}}},
	};
}

TEST(split, table)
{
	for (const split_case& c : cases()) {
		SCOPED_TRACE(c.name);
		split_result r = split_tape(c.tape);
		EXPECT_EQ(r.status, c.status);
		EXPECT_EQ(r.ptr, c.ptr);
		files got;
		for (std::size_t i = 0; i < r.count; ++i)
			got.emplace_back(r.files[i].name, cat({bytes(r.files[i].body.begin(), r.files[i].body.end()),
			                                       bytes(r.files[i].tail.begin(), r.files[i].tail.end())}));
		EXPECT_EQ(got, c.cut);
	}
}

} // namespace
