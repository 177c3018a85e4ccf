// The whole road in one directory: tape image to re-coded program.
#include <gtest/gtest.h>

#include "sandbox.hpp"

namespace {

TEST(road, tape_to_recoded_program)
{
	const sample s = sample_tape();
	sandbox box;
	box.put("tape.img", s.tape);
	box.put("msgs.txt", s.list);

	run_result r = box.run(REELSPLIT, {"1", "tape.img"});
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.out, "load.bas generate\nbin0000.m generate\nbinb500.m generate\n");
	EXPECT_EQ(r.err, "");

	r = box.run(RECSTRIP, {"bin0000.m", "low.bin"});
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.out, "low.bin : STADD=0000 : LEN=000A\n");
	EXPECT_EQ(r.err, "");

	r = box.run(RECSTRIP, {"binb500.m", "prog.bin"});
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.out, "prog.bin : STADD=B500 : LEN=003A\n");
	EXPECT_EQ(r.err, "");

	r = box.run(KANAMEND, {"prog.bin", "prog2.bin", "msgs.txt"});
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.out, "");
	EXPECT_EQ(r.err, "");

	EXPECT_EQ(box.files(), (std::map<std::string, bytes>{
		{"tape.img", s.tape}, {"msgs.txt", s.list}, {"load.bas", s.basic},
		{"bin0000.m", s.m0000}, {"binb500.m", s.mb500}, {"low.bin", s.low},
		{"prog.bin", s.program}, {"prog2.bin", s.recoded}}));
}

} // namespace
