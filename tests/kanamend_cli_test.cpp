#include <gtest/gtest.h>

#include "sandbox.hpp"

namespace {

const std::string usage = "Usage: kanamend inputfile outputfile messagelist\n";

// A program at 0xB500 with "konnichiha" at b502 and "nandemo" at b508.
const bytes prog = {0x21, 0x00, 0xBA, 0xDD, 0xC6, 0xC1, 0xCA, 0x00,
                    0xC5, 0xDD, 0xBA, 0xC3, 0xDE, 0xD3, 0x00, 0xC9};
const bytes done = {0x21, 0x00, 0x9A, 0xFD, 0xE6, 0xE1, 0xEA, 0x00,
                    0xE5, 0xFD, 0x9A, 0xE3, 0xDE, 0xF3, 0x00, 0xC9};
const bytes list = text("b500\nb502\nb508\n");

TEST(kanamend, runs)
{
	const cli_case cases[] = {
		{"re-codes the listed messages", {"in.bin", "out.bin", "list.txt"},
		 {{"in.bin", prog}, {"list.txt", list}}, 0, "", "",
		 {{"in.bin", prog}, {"list.txt", list}, {"out.bin", done}}},
		{"replaces an old output", {"in.bin", "out.bin", "list.txt"},
		 {{"in.bin", prog}, {"list.txt", list}, {"out.bin", fill(99, 1)}}, 0, "", "",
		 {{"in.bin", prog}, {"list.txt", list}, {"out.bin", done}}},
		{"no arguments", {}, {}, 1, "", usage, {}},
		{"too few", {"in.bin", "out.bin"}, {{"in.bin", prog}}, 1, "", usage, {{"in.bin", prog}}},
		{"too many", {"in.bin", "out.bin", "list.txt", "x"}, {{"in.bin", prog}}, 1, "", usage,
		 {{"in.bin", prog}}},
		{"missing input", {"none.bin", "out.bin", "list.txt"}, {{"list.txt", list}}, 1, "",
		 "none.bin: No such file or directory\n", {{"list.txt", list}}},
		{"empty input name", {"", "out.bin", "list.txt"}, {{"list.txt", list}}, 1, "",
		 "No such file or directory\n", {{"list.txt", list}}},
		{"missing list creates nothing", {"in.bin", "out.bin", "none.txt"}, {{"in.bin", prog}}, 1, "",
		 "none.txt: No such file or directory\n", {{"in.bin", prog}}},
		{"list line without a number", {"in.bin", "out.bin", "list.txt"},
		 {{"in.bin", prog}, {"list.txt", text("b500\r\nb502\r\n\r\nnext\r\n")}}, 1, "",
		 "List error: line=4\n",
		 {{"in.bin", prog}, {"list.txt", text("b500\r\nb502\r\n\r\nnext\r\n")}}},
		{"address outside the image", {"in.bin", "out.bin", "list.txt"},
		 {{"in.bin", prog}, {"list.txt", text("b500\nb502\nb510\n")}}, 1, "",
		 "Address error: adr=b510\n",
		 {{"in.bin", prog}, {"list.txt", text("b500\nb502\nb510\n")}}},
		{"small address", {"in.bin", "out.bin", "list.txt"},
		 {{"in.bin", prog}, {"list.txt", text("100\n20\n")}}, 1, "", "Address error: adr=0020\n",
		 {{"in.bin", prog}, {"list.txt", text("100\n20\n")}}},
		{"message too long", {"in.bin", "out.bin", "list.txt"},
		 {{"in.bin", fill(1024, 0xB1)}, {"list.txt", text("c000\nc000\n")}}, 1, "",
		 "Too long message: adr=c000\n",
		 {{"in.bin", fill(1024, 0xB1)}, {"list.txt", text("c000\nc000\n")}}},
	};
	for (const cli_case& c : cases)
		check(KANAMEND, c);
}

} // namespace
