// What a user can get wrong and a machine can do to the three tools: every
// row ends with one clear line, status 1 where it fails, and every file the
// user gave exactly as it was.
#include <gtest/gtest.h>

#include "sandbox.hpp"

namespace {

struct fault {
	const char* program;
	cli_case c;
};

TEST(faults, leave_the_users_files_alone)
{
	const sample s = sample_tape();
	const bytes& tape = s.tape;
	const bytes& prog = s.program;
	const bytes& list = s.list;
	const bytes& done = s.recoded;
	const bytes& m = s.mb500;
	const std::map<std::string, bytes> cut = {
		{"tape.img", tape}, {"load.bas", s.basic}, {"bin0000.m", s.m0000}, {"binb500.m", s.mb500}};
	const bytes image_max = fill(65536, 0xB1), image_over = fill(65537, 0xB1);
	const bytes m_max = cat({fill(65535 - m.size(), 0x00), m}), m_over = cat({{0x00}, m_max});
	const bytes tape_max = cat({tape, fill(65535 - tape.size(), 0xFF)}), tape_over = cat({tape_max, {0xFF}});
	const std::string m_line = "prog.bin : STADD=B500 : LEN=003A\n";
	const std::string all_three = "load.bas generate\nbin0000.m generate\nbinb500.m generate\n";
	const std::string nofile = ": No such file or directory\n", full = ": No space left on device\n";

	const fault rows[] = {
		// kanamend inputfile outputfile messagelist
		{KANAMEND, {"output named like the input", {"prog.bin", "prog.bin", "msgs.txt"},
		            {{"prog.bin", prog}, {"msgs.txt", list}}, 1, "", "Same file error: prog.bin\n",
		            {{"prog.bin", prog}, {"msgs.txt", list}}}},
		{KANAMEND, {"output named like the list", {"prog.bin", "./msgs.txt", "msgs.txt"},
		            {{"prog.bin", prog}, {"msgs.txt", list}}, 1, "", "Same file error: ./msgs.txt\n",
		            {{"prog.bin", prog}, {"msgs.txt", list}}}},
		{KANAMEND, {"output links to the input", {"prog.bin", "out.bin", "msgs.txt"},
		            {{"prog.bin", prog}, {"msgs.txt", list}}, 1, "", "Same file error: out.bin\n",
		            {{"prog.bin", prog}, {"msgs.txt", list}, {"out.bin", text("-> prog.bin")}},
		            {{"out.bin", "prog.bin"}}}},
		{KANAMEND, {"output is a hard link to the list", {"prog.bin", "out.bin", "msgs.txt"},
		            {{"prog.bin", prog}, {"msgs.txt", list}}, 1, "", "Same file error: out.bin\n",
		            {{"prog.bin", prog}, {"msgs.txt", list}, {"out.bin", list}}, {}, {{"out.bin", "msgs.txt"}}}},
		{KANAMEND, {"list and output swapped", {"prog.bin", "msgs.txt", "prog2.bin"},
		            {{"prog.bin", prog}, {"msgs.txt", list}}, 1, "", "prog2.bin" + nofile,
		            {{"prog.bin", prog}, {"msgs.txt", list}}}},
		{KANAMEND, {"list and an old output swapped", {"prog.bin", "msgs.txt", "prog2.bin"},
		            {{"prog.bin", prog}, {"msgs.txt", list}, {"prog2.bin", done}}, 1, "", "List error: line=1\n",
		            {{"prog.bin", prog}, {"msgs.txt", list}, {"prog2.bin", done}}}},
		{KANAMEND, {"input is a folder", {"d", "out.bin", "msgs.txt"}, {{"msgs.txt", list}}, 1, "",
		            "d: Is a directory\n", {{"d", text("-> .")}, {"msgs.txt", list}}, {{"d", "."}}}},
		{KANAMEND, {"list is a folder", {"prog.bin", "out.bin", "d"}, {{"prog.bin", prog}}, 1, "",
		            "d: Is a directory\n", {{"d", text("-> .")}, {"prog.bin", prog}}, {{"d", "."}}}},
		{KANAMEND, {"full disk", {"prog.bin", "/dev/full", "msgs.txt"}, {{"prog.bin", prog}, {"msgs.txt", list}},
		            1, "", "/dev/full" + full, {{"prog.bin", prog}, {"msgs.txt", list}}}},
		{KANAMEND, {"no such output folder", {"prog.bin", "no/out.bin", "msgs.txt"},
		            {{"prog.bin", prog}, {"msgs.txt", list}}, 1, "", "no/out.bin" + nofile,
		            {{"prog.bin", prog}, {"msgs.txt", list}}}},
		{KANAMEND, {"image at the limit", {"big", "out.bin", "l"}, {{"big", image_max}, {"l", text("0\n")}}, 0,
		            "", "", {{"big", image_max}, {"l", text("0\n")}, {"out.bin", image_max}}}},
		{KANAMEND, {"image past the limit", {"big", "out.bin", "l"}, {{"big", image_over}, {"l", text("0\n")}},
		            1, "", "Too long file\n", {{"big", image_over}, {"l", text("0\n")}}}},

		// recstrip infile outfile
		{RECSTRIP, {"output named like the input", {"binb500.m", "./binb500.m"}, {{"binb500.m", m}}, 1, "",
		            "same file error : ./binb500.m\n", {{"binb500.m", m}}}},
		{RECSTRIP, {"output links to the input", {"binb500.m", "prog.bin"}, {{"binb500.m", m}}, 1, "",
		            "same file error : prog.bin\n", {{"binb500.m", m}, {"prog.bin", text("-> binb500.m")}},
		            {{"prog.bin", "binb500.m"}}}},
		{RECSTRIP, {"output is a hard link to the input", {"binb500.m", "prog.bin"}, {{"binb500.m", m}}, 1, "",
		            "same file error : prog.bin\n", {{"binb500.m", m}, {"prog.bin", m}}, {},
		            {{"prog.bin", "binb500.m"}}}},
		// The flat file has no record in it, so nothing is written at all.
		{RECSTRIP, {"arguments swapped", {"prog.bin", "binb500.m"}, {{"binb500.m", m}, {"prog.bin", prog}}, 1, "",
		            "fileend error : ptr=003A\n", {{"binb500.m", m}, {"prog.bin", prog}}}},
		{RECSTRIP, {"input is a folder", {"d", "prog.bin"}, {}, 1, "", "d: Is a directory\n",
		            {{"d", text("-> .")}}, {{"d", "."}}}},
		{RECSTRIP, {"full disk", {"binb500.m", "/dev/full"}, {{"binb500.m", m}}, 1, "", "/dev/full" + full,
		            {{"binb500.m", m}}}},
		{RECSTRIP, {"summary on a full disk", {"binb500.m", "prog.bin"}, {{"binb500.m", m}}, 1, "",
		            "stdout" + full, {{"binb500.m", m}, {"prog.bin", prog}}, {}, {}, "/dev/full"}},
		{RECSTRIP, {"no such output folder", {"binb500.m", "no/prog.bin"}, {{"binb500.m", m}}, 1, "",
		            "no/prog.bin" + nofile, {{"binb500.m", m}}}},
		{RECSTRIP, {"input at the limit", {"big.m", "prog.bin"}, {{"big.m", m_max}}, 0, m_line, "",
		            {{"big.m", m_max}, {"prog.bin", prog}}}},
		{RECSTRIP, {"input past the limit", {"big.m", "prog.bin"}, {{"big.m", m_over}}, 1, "", "Too long file\n",
		            {{"big.m", m_over}}}},

		// reelsplit fileno infile
		{REELSPLIT, {"tape named load.bas", {"1", "load.bas"}, {{"load.bas", tape}}, 1, "",
		             "Same file error: load.bas\n", {{"load.bas", tape}}}},
		{REELSPLIT, {"tape named bin0000.m", {"1", "./bin0000.m"}, {{"bin0000.m", tape}}, 1, "load.bas generate\n",
		             "Same file error: bin0000.m\n", {{"bin0000.m", tape}, {"load.bas", s.basic}}}},
		{REELSPLIT, {"an output links to the tape", {"1", "tape.img"}, {{"tape.img", tape}}, 1,
		             "load.bas generate\n", "Same file error: bin0000.m\n",
		             {{"tape.img", tape}, {"load.bas", s.basic}, {"bin0000.m", text("-> tape.img")}},
		             {{"bin0000.m", "tape.img"}}}},
		{REELSPLIT, {"an output is a hard link to the tape", {"1", "tape.img"}, {{"tape.img", tape}}, 1, "",
		             "Same file error: load.bas\n", {{"tape.img", tape}, {"load.bas", tape}}, {},
		             {{"load.bas", "tape.img"}}}},
		{REELSPLIT, {"arguments swapped", {"tape.img", "1"}, {{"tape.img", tape}}, 1, "", "1" + nofile,
		             {{"tape.img", tape}}}},
		{REELSPLIT, {"input is a folder", {"1", "d"}, {}, 1, "", "d: Is a directory\n", {{"d", text("-> .")}},
		             {{"d", "."}}}},
		{REELSPLIT, {"full disk", {"1", "tape.img"}, {{"tape.img", tape}}, 1, "load.bas generate\n",
		             "load.bas" + full, {{"tape.img", tape}, {"load.bas", text("-> /dev/full")}},
		             {{"load.bas", "/dev/full"}}}},
		{REELSPLIT, {"progress lines on a full disk", {"1", "tape.img"}, {{"tape.img", tape}}, 1, "",
		             "stdout" + full, cut, {}, {}, "/dev/full"}},
		{REELSPLIT, {"no such output folder", {"1", "tape.img"}, {{"tape.img", tape}}, 1, "load.bas generate\n",
		             "bin0000.m" + nofile, {{"tape.img", tape}, {"load.bas", s.basic}, {"bin0000.m", text("-> no/such")}},
		             {{"bin0000.m", "no/such"}}}},
		{REELSPLIT, {"tape at the limit", {"1", "t"}, {{"t", tape_max}}, 0, all_three, "",
		             {{"t", tape_max}, {"load.bas", s.basic}, {"bin0000.m", s.m0000}, {"binb500.m", s.mb500}}}},
		{REELSPLIT, {"tape past the limit", {"1", "t"}, {{"t", tape_over}}, 1, "", "Too long file\n",
		             {{"t", tape_over}}}},
	};
	for (const fault& f : rows)
		check(f.program, f.c);
}

} // namespace
