#include <gtest/gtest.h>

#include "sandbox.hpp"

namespace {

const std::string usage = "Usage: reelsplit fileno infile\n";
const std::string all_three = "load.bas generate\nbin0000.m generate\nbinb500.m generate\n";

TEST(reelsplit, runs)
{
	const sample s = sample_tape();
	const bytes& tape = s.tape;
	const std::map<std::string, bytes> cut = {
		{"tape.img", tape}, {"load.bas", s.basic}, {"bin0000.m", s.m0000}, {"binb500.m", s.mb500}};
	const bytes over = fill(65536, 0xFF);
	const bytes bad = cat({s.basic, header(0), {0x3A, 0x01, 0x07, 0xF8, 0x41}, fill(8, 0)});
	const bytes noend = cat({s.basic, header(0), {0x3A, 0x00, 0x00}});
	std::vector<cli_case> cases = {
		{"cuts the tape", {"1", "tape.img"}, {{"tape.img", tape}}, 0, all_three, "", cut},
		{"replaces old outputs", {"1", "tape.img"}, {{"tape.img", tape}, {"load.bas", fill(99, 1)}}, 0,
		 all_three, "", cut},
		{"no arguments", {}, {}, 1, "", usage, {}},
		{"too many", {"1", "tape.img", "x"}, {{"tape.img", tape}}, 1, "", usage, {{"tape.img", tape}}},
		{"missing input before the fileno", {"2", "none.img"}, {}, 1, "", "none.img: No such file or directory\n", {}},
		{"too long before the fileno", {"2", "t"}, {{"t", over}}, 1, "", "Too long file\n", {{"t", over}}},
		{"empty input", {"1", "e"}, {{"e", {}}}, 1, "", "File cannot cut\n", {{"e", {}}}},
		{"empty input, wrong fileno", {"2", "e"}, {{"e", {}}}, 1, "", "Illigal fileno\n", {{"e", {}}}},
		{"no mark after a record", {"1", "bad.img"}, {{"bad.img", bad}}, 1,
		 "load.bas generate\nbin0000.m generate\n", "Header error: ptr=003a\n",
		 {{"bad.img", bad}, {"load.bas", s.basic},
		  {"bin0000.m", cat({header(0), {0x3A, 0x01, 0x07, 0xF8, 0x41}})}}},
		{"no 0xB9", {"1", "noend.img"}, {{"noend.img", noend}}, 1, "load.bas generate\nbin0000.m generate\n",
		 "File end error: ptr=0037\n",
		 {{"noend.img", noend}, {"load.bas", s.basic}, {"bin0000.m", cat({header(0), {0x3A}})}}},
	};
	// A fileno is read as a C number: what starts with 1 and a non-digit is 1.
	for (const char* one : {"1", "01", " 1", "\t+1", "1abc", "1.5"})
		cases.push_back({std::string("fileno ") + one, {one, "tape.img"}, {{"tape.img", tape}}, 0, all_three, "", cut});
	for (const char* other : {"2", "0", "-1", "x", "", "11", "4294967297", "99999999999999999999999"})
		cases.push_back({std::string("fileno ") + other, {other, "tape.img"}, {{"tape.img", tape}}, 1, "",
		                 "Illigal fileno\n", {{"tape.img", tape}}});
	for (const cli_case& c : cases)
		check(REELSPLIT, c);
}

} // namespace
