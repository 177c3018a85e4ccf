// maketape: write the walkthrough's sample tape image and message list into
// the current directory, as tape.img and msgs.txt.
#include <cstdio>

#include "fixture.hpp"

static bool save(const char* name, const bytes& b)
{
	std::FILE* f = std::fopen(name, "wb");
	if (f == nullptr) {
		std::perror(name);
		return false;
	}
	bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
	if (std::fclose(f) != 0 || !ok) {
		std::perror(name);
		return false;
	}
	return true;
}

int main()
{
	const sample s = sample_tape();
	return save("tape.img", s.tape) && save("msgs.txt", s.list) ? 0 : 1;
}
