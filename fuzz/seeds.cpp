// fuzz_seeds: write the seed corpora, made from the test fixtures, into
// dir/recode, dir/patch, dir/flatten and dir/split.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "fixture.hpp"
#include "kanamend/tables.hpp"

namespace fs = std::filesystem;

static bool save_in(const fs::path& p, const bytes& b)
{
	fs::create_directories(p.parent_path());
	return save(p, b);
}

// The patch target's input: the image's length in two bytes, the image, the list.
static bytes patch_input(const bytes& image, const bytes& list)
{
	return cat({{static_cast<std::uint8_t>(image.size()), static_cast<std::uint8_t>(image.size() >> 8)}, image, list});
}

int main(int argc, char* argv[])
{
	if (argc != 2) {
		std::fputs("Usage: fuzz_seeds dir\n", stderr);
		return 1;
	}
	const fs::path dir = argv[1];
	const sample s = sample_tape();
	const bytes a = {0x01, 0x02, 0x03};
	// Every keep word and phrase, each after a kana, so that the fuzzer
	// starts from matches it would hardly guess.
	const auto text_of = [](const word& w) {
		return bytes(w.begin(), w.begin() + static_cast<long>(std::strlen(reinterpret_cast<const char*>(w.data()))));
	};
	bytes words;
	for (const word& w : keep_words)
		words = cat({words, {0xB1}, text_of(w)});
	for (const phrase& p : phrases)
		words = cat({words, {0xB1}, text_of(p.pattern)});
	bool ok = save_in(dir / "recode/kana", {0xBA, 0xDD, 0xC6, 0xC1, 0xCA}) &&
	          save_in(dir / "recode/keep", {0xD8, 0xBD, 0xC0, 0xB0, 0xC4, 0x20, 0xC3, 0xDE, 0xD3}) &&
	          save_in(dir / "recode/phrase", {0xC5, 0xDD, 0xBA, 0xC3, 0xDE, 0xD3, 0x98, 0xE4}) &&
	          save_in(dir / "recode/words", words) &&
	          save_in(dir / "patch/sample", patch_input(s.program, s.list)) &&
	          save_in(dir / "patch/crlf", patch_input({0xB1, 0x00, 0xB2}, text("10\r\n\r\n10 x\r\n12\r\n\x1a" "11\n"))) &&
	          save_in(dir / "flatten/sample", s.mb500) &&
	          save_in(dir / "flatten/bad", cat({header(0x1234), record(a), {0x3A, 0x01, 0x00, 0x00}})) &&
	          save_in(dir / "flatten/lead", cat({{0x00, 0x3B}, header(0), end_record()})) &&
	          save_in(dir / "split/sample", s.tape) &&
	          save_in(dir / "split/short", cat({basic_file({0x01}), tape_file(0, {a}), tape_file(0xB500, {})}));
	return ok ? 0 : 1;
}
