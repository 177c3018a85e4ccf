// fuzz_seeds: write the seed corpora, made from the test fixtures, into
// dir/recode, dir/patch, dir/flatten and dir/split.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "fixture.hpp"
#include "kanamend/tables.hpp"

namespace fs = std::filesystem;

static bool save(const fs::path& p, const bytes& b)
{
	fs::create_directories(p.parent_path());
	std::FILE* f = std::fopen(p.c_str(), "wb");
	if (f == nullptr) {
		std::perror(p.c_str());
		return false;
	}
	bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
	return std::fclose(f) == 0 && ok;
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
	bytes words;
	for (const word& w : keep_words)
		words = cat({words, {0xB1}, bytes(w.begin(), w.begin() + static_cast<long>(std::strlen(reinterpret_cast<const char*>(w.data()))))});
	for (const phrase& p : phrases)
		words = cat({words, {0xB1}, bytes(p.pattern.begin(), p.pattern.begin() + 6)});
	bool ok = save(dir / "recode/kana", {0xBA, 0xDD, 0xC6, 0xC1, 0xCA}) &&
	          save(dir / "recode/keep", {0xD8, 0xBD, 0xC0, 0xB0, 0xC4, 0x20, 0xC3, 0xDE, 0xD3}) &&
	          save(dir / "recode/phrase", {0xC5, 0xDD, 0xBA, 0xC3, 0xDE, 0xD3, 0x98, 0xE4}) &&
	          save(dir / "recode/words", words) &&
	          save(dir / "patch/sample", patch_input(s.program, s.list)) &&
	          save(dir / "patch/crlf", patch_input({0xB1, 0x00, 0xB2}, text("10\r\n\r\n10 x\r\n12\r\n\x1a" "11\n"))) &&
	          save(dir / "flatten/sample", s.mb500) &&
	          save(dir / "flatten/bad", cat({header(0x1234), record(a), {0x3A, 0x01, 0x00, 0x00}})) &&
	          save(dir / "flatten/lead", cat({{0x00, 0x3B}, header(0), end_record()})) &&
	          save(dir / "split/sample", s.tape) &&
	          save(dir / "split/short", cat({basic_file({0x01}), tape_file(0, {a}), tape_file(0xB500, {})}));
	return ok ? 0 : 1;
}
