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
	// Padding before the first mark brings a file to either side of the limit.
	const bytes most = cat({fill(65535 - 7, 0x00), header(0), end_record()});
	const bytes over = cat({{0x00}, most});
	const cli_case cases[] = {
		{"flattens", {"prog.m", "out.bin"}, {{"prog.m", prog}}, 0, "out.bin : STADD=B500 : LEN=0090\n", "",
		 {{"prog.m", prog}, {"out.bin", flat}}},
		{"the name as typed", {"prog.m", "./out.bin"}, {{"prog.m", prog}}, 0,
		 "./out.bin : STADD=B500 : LEN=0090\n", "", {{"prog.m", prog}, {"out.bin", flat}}},
		{"65,535 bytes", {"big.m", "out.bin"}, {{"big.m", most}}, 0, "out.bin : STADD=0000 : LEN=0000\n", "",
		 {{"big.m", most}, {"out.bin", {}}}},
		{"no arguments", {}, {}, 1, "", usage, {}},
		{"too many", {"prog.m", "out.bin", "x"}, {{"prog.m", prog}}, 1, "", usage, {{"prog.m", prog}}},
		{"missing input", {"none.m", "out.bin"}, {}, 1, "", "none.m: No such file or directory\n", {}},
		{"output in a missing folder", {"prog.m", "no/out.bin"}, {{"prog.m", prog}}, 1, "",
		 "no/out.bin: No such file or directory\n", {{"prog.m", prog}}},
		{"output is the input", {"prog.m", "./prog.m"}, {{"prog.m", prog}}, 1, "",
		 "same file error : ./prog.m\n", {{"prog.m", prog}}},
		{"output links to the input", {"prog.m", "out.bin"}, {{"prog.m", prog}}, 1, "",
		 "same file error : out.bin\n", {{"prog.m", prog}, {"out.bin", text("-> prog.m")}},
		 {{"out.bin", "prog.m"}}},
		{"output is a hard link to the input", {"prog.m", "out.bin"}, {{"prog.m", prog}}, 1, "",
		 "same file error : out.bin\n", {{"prog.m", prog}, {"out.bin", prog}}, {}, {{"out.bin", "prog.m"}}},
		{"65,536 bytes", {"big.m", "out.bin"}, {{"big.m", over}}, 1, "", "Too long file\n",
		 {{"big.m", over}, {"out.bin", {}}}},
		{"input is a folder", {"d", "out.bin"}, {}, 1, "", "d: Is a directory\n",
		 {{"d", text("-> .")}, {"out.bin", {}}}, {{"d", "."}}},
		{"full disk", {"prog.m", "/dev/full"}, {{"prog.m", prog}}, 1, "", "/dev/full: No space left on device\n",
		 {{"prog.m", prog}}},
		{"bad checksum keeps the data read", {"bad.m", "out.bin"}, {{"bad.m", bad}}, 1, "",
		 "sumcheck error : ptr=008A : checksum=00\n", {{"bad.m", bad}, {"out.bin", cat({d80, {0x33}})}}},
		{"cut-off file", {"cut.m", "out.bin"}, {{"cut.m", cut}}, 1, "", "fileend error : ptr=0087\n",
		 {{"cut.m", cut}, {"out.bin", d80}}},
		{"empty file", {"e.m", "out.bin"}, {{"e.m", {}}}, 1, "", "fileend error : ptr=0000\n",
		 {{"e.m", {}}, {"out.bin", {}}}},
	};
	for (const cli_case& c : cases)
		check(RECSTRIP, c);
}

} // namespace

namespace {

// The summary line is what a script reads; losing it is a failure.
TEST(recstrip, summary_on_a_full_disk)
{
	sandbox box;
	const bytes prog = m_file(0xB500, {{0x01}});
	box.put("prog.m", prog);
	run_result r = box.run(RECSTRIP, {"prog.m", "out.bin"}, "/dev/full");
	EXPECT_EQ(r.status, 1);
	EXPECT_EQ(r.err, "stdout: No space left on device\n");
	EXPECT_EQ(box.files(), (std::map<std::string, bytes>{{"prog.m", prog}, {"out.bin", {0x01}}}));
}

} // namespace
