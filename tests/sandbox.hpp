// Runs a built program in a fresh temporary directory and shows what it left.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "fixture.hpp"

struct run_result {
	int status;
	std::string out;
	std::string err;
};

class sandbox {
public:
	sandbox();
	~sandbox();
	sandbox(const sandbox&) = delete;
	sandbox& operator=(const sandbox&) = delete;

	// The working directory of every run.
	const std::filesystem::path& dir() const { return dir_; }

	void put(const std::string& name, const bytes& content) const;
	bytes get(const std::string& name) const;

	// Runs program with args in dir(), with no standard input. Standard output
	// goes to stdout_to instead when it is given (out is then empty).
	run_result run(const std::string& program, const std::vector<std::string>& args,
	               const std::string& stdout_to = "") const;

	// Everything in dir(): a file's content, "-> target" for a symbolic link,
	// "<dir>" for a directory.
	std::map<std::string, bytes> files() const;

private:
	std::filesystem::path root_, dir_;
};

// One run of a tool as a row of a table: what the directory holds, the
// arguments, and everything expected afterwards.
struct cli_case {
	std::string name;
	std::vector<std::string> args;
	std::map<std::string, bytes> given;
	int status;
	std::string out, err;
	std::map<std::string, bytes> left; // every entry of the directory afterwards
	std::map<std::string, std::string> symlinks = {};  // name -> target
	std::map<std::string, std::string> hardlinks = {}; // name -> existing file
	std::string stdout_to = "";                        // instead of capturing it
};

// Runs the row in a fresh sandbox and checks all of it.
void check(const std::string& program, const cli_case& c);
