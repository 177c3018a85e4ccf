#include <gtest/gtest.h>

#include "sandbox.hpp"

namespace {

const std::string usage = "Usage: recstrip infile outfile\n";

TEST(recstrip, runs)
{
	const bytes d80 = fill(0x80, 0x11), d10 = fill(0x10, 0x22);
	const bytes prog = m_file(0xB500, {d80, d10});
	const bytes flat = cat({d80, d10});
	const bytes bad = cat({header(0xB500), record(d80), {0x3A, 0x01, 0x33, 0x00}, end_record()});
	const bytes cut = cat({header(0xB500), record(d80)});
	const cli_case cases[] = {
		{"flattens", {"prog.m", "out.bin"}, {{"prog.m", prog}}, 0, "out.bin : STADD=B500 : LEN=0090\n", "",
		 {{"prog.m", prog}, {"out.bin", flat}}},
		{"the name as typed", {"prog.m", "./out.bin"}, {{"prog.m", prog}}, 0,
		 "./out.bin : STADD=B500 : LEN=0090\n", "", {{"prog.m", prog}, {"out.bin", flat}}},
		{"no arguments", {}, {}, 1, "", usage, {}},
		{"too many", {"prog.m", "out.bin", "x"}, {{"prog.m", prog}}, 1, "", usage, {{"prog.m", prog}}},
		{"missing input", {"none.m", "out.bin"}, {}, 1, "", "none.m: No such file or directory\n", {}},
		{"bad checksum keeps the data read", {"bad.m", "out.bin"}, {{"bad.m", bad}}, 1, "",
		 "sumcheck error : ptr=008A : checksum=00\n", {{"bad.m", bad}, {"out.bin", cat({d80, {0x33}})}}},
		{"cut-off file", {"cut.m", "out.bin"}, {{"cut.m", cut}}, 1, "", "fileend error : ptr=0087\n",
		 {{"cut.m", cut}, {"out.bin", d80}}},
		{"bad header checksum", {"h.m", "out.bin"}, {{"h.m", {0x3A, 0xB5, 0x00, 0x4C, 0x3A, 0x00, 0x00}}}, 1, "",
		 "sumcheck error : ptr=0003 : checksum=4C\n", {{"h.m", {0x3A, 0xB5, 0x00, 0x4C, 0x3A, 0x00, 0x00}}}},
		{"no mark after a record", {"k.m", "out.bin"}, {{"k.m", cat({header(0xB500), {0x3A, 0x01, 0xAB, 0x54, 0x3B}})}},
		 1, "", "mark error : ptr=0008 : mark=3B\n",
		 {{"k.m", cat({header(0xB500), {0x3A, 0x01, 0xAB, 0x54, 0x3B}})}, {"out.bin", {0xAB}}}},
		{"tape's final record", {"t.m", "out.bin"}, {{"t.m", tape_file(0xB500, {{0x01}})}}, 1, "",
		 "fileend error : ptr=0009\n", {{"t.m", tape_file(0xB500, {{0x01}})}, {"out.bin", {0x01}}}},
		{"empty file", {"e.m", "out.bin"}, {{"e.m", {}}}, 1, "", "fileend error : ptr=0000\n",
		 {{"e.m", {}}}},
	};
	for (const cli_case& c : cases)
		check(RECSTRIP, c);
}

} // namespace

