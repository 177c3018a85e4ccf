// maketape: write the walkthrough's sample tape image and message list into
// the current directory, as tape.img and msgs.txt.
#include "fixture.hpp"

int main()
{
	const sample s = sample_tape();
	return save("tape.img", s.tape) && save("msgs.txt", s.list) ? 0 : 1;
}
