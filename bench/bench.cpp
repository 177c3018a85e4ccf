// tapekit_bench: time each tool as a whole process on an input at its size
// limit, against cp copying the same bytes, and print the medians.
// usage: tapekit_bench bindir [rounds]
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fixture.hpp"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// A machine-code file on tape of about n data bytes, in records of 255.
bytes big_file(std::uint16_t address, std::size_t n)
{
	bytes f = header(address);
	for (std::size_t at = 0; at < n; at += 255)
		f = cat({f, record(fill(std::min<std::size_t>(255, n - at), static_cast<std::uint8_t>(at)))});
	return cat({f, {0x3A, 0x00, 0xB9}});
}

// Runs argv with no output and returns how long it took, in microseconds.
double run(const std::vector<std::string>& args)
{
	std::vector<char*> argv;
	for (const std::string& a : args)
		argv.push_back(const_cast<char*>(a.c_str()));
	argv.push_back(nullptr);
	posix_spawn_file_actions_t fa;
	posix_spawn_file_actions_init(&fa);
	posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
	posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
	auto t0 = std::chrono::steady_clock::now();
	pid_t pid;
	int status = -1;
	if (posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ) == 0)
		waitpid(pid, &status, 0);
	auto t1 = std::chrono::steady_clock::now();
	posix_spawn_file_actions_destroy(&fa);
	if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
		std::fprintf(stderr, "%s failed\n", argv[0]);
		std::exit(1);
	}
	return std::chrono::duration<double, std::micro>(t1 - t0).count();
}

double median(std::vector<double> v)
{
	std::sort(v.begin(), v.end());
	return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
	if (argc < 2 || argc > 3) {
		std::fputs("Usage: tapekit_bench bindir [rounds]\n", stderr);
		return 1;
	}
	const fs::path bin = fs::absolute(argv[1]);
	const int rounds = argc == 3 ? std::atoi(argv[2]) : 200;
	std::string tmpl = (fs::temp_directory_path() / "tapekit-bench.XXXXXX").string();
	if (mkdtemp(tmpl.data()) == nullptr) {
		std::perror("mkdtemp");
		return 1;
	}
	const fs::path dir = tmpl;
	fs::current_path(dir);

	// Inputs at each tool's limit: a 65,535-byte tape and record file, and a
	// 65,536-byte image of 2,048 messages of 31 katakana each.
	bytes tape = cat({basic_file(fill(1000, 0x41)), big_file(0x0000, 30000), big_file(0xB500, 32000)});
	bool saved = save("tape.img", cat({tape, fill(65535 - tape.size(), 0xFF)}));
	bytes m = big_file(0xB500, 64000);
	m.resize(m.size() - 2);
	m = cat({m, {0x00, 0x00, 0x3A, 0x00, 0x00}});
	saved = save("prog.m", cat({fill(65535 - m.size(), 0x00), m})) && saved;
	bytes image, list = text("c000\n");
	for (int i = 0; i < 2048; ++i) {
		image = cat({image, fill(31, static_cast<std::uint8_t>(0xB1 + i % 45)), {0x00}});
		char line[16];
		std::snprintf(line, sizeof line, "%x\n", 0xC000 + i * 32);
		list = cat({list, text(line)});
	}
	if (!save("image.bin", image) || !save("msgs.txt", list) || !saved)
		return 1;

	struct job {
		const char* name;
		std::vector<std::string> tool, copy;
	} jobs[] = {
		{"reelsplit", {bin / "reelsplit", "1", "tape.img"}, {"cp", "tape.img", "copy"}},
		{"recstrip", {bin / "recstrip", "prog.m", "prog.bin"}, {"cp", "prog.m", "copy"}},
		{"kanamend", {bin / "kanamend", "image.bin", "image2.bin", "msgs.txt"}, {"cp", "image.bin", "copy"}},
	};
	std::printf("%d rounds, each tool alternating with cp of its input; medians in microseconds\n", rounds);
	std::printf("%-10s %10s %10s %7s\n", "tool", "tool", "cp", "ratio");
	for (const job& j : jobs) {
		std::vector<double> tool, copy;
		for (int r = 0; r < rounds; ++r) {
			tool.push_back(run(j.tool));
			copy.push_back(run(j.copy));
		}
		double t = median(tool), c = median(copy);
		std::printf("%-10s %10.0f %10.0f %7.2f\n", j.name, t, c, t / c);
	}
	fs::current_path("/");
	fs::remove_all(dir);
	return 0;
}
