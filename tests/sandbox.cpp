#include "sandbox.hpp"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

sandbox::sandbox()
{
	std::string tmpl = (fs::temp_directory_path() / "tapekit.XXXXXX").string();
	if (mkdtemp(tmpl.data()) == nullptr)
		throw std::runtime_error("mkdtemp failed");
	root_ = tmpl;
	dir_ = root_ / "work";
	fs::create_directory(dir_);
}

sandbox::~sandbox()
{
	std::error_code ec;
	fs::remove_all(root_, ec);
}

void sandbox::put(const std::string& name, const bytes& content) const
{
	if (!save(dir_ / name, content))
		throw std::runtime_error("cannot write " + name);
}

static bytes slurp(const fs::path& p)
{
	std::ifstream f(p, std::ios::binary);
	return bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bytes sandbox::get(const std::string& name) const
{
	return slurp(dir_ / name);
}

run_result sandbox::run(const std::string& program, const std::vector<std::string>& args,
                        const std::string& stdout_to) const
{
	fs::path out = stdout_to.empty() ? root_ / "stdout" : fs::path(stdout_to), err = root_ / "stderr";
	pid_t pid = fork();
	if (pid < 0)
		throw std::runtime_error("fork failed");
	if (pid == 0) {
		int in = open("/dev/null", O_RDONLY);
		int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
		int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
		if (in < 0 || o < 0 || e < 0 || dup2(in, 0) < 0 || dup2(o, 1) < 0 || dup2(e, 2) < 0 ||
		    chdir(dir_.c_str()) != 0)
			_exit(127);
		std::vector<char*> argv{const_cast<char*>(program.c_str())};
		for (const std::string& a : args)
			argv.push_back(const_cast<char*>(a.c_str()));
		argv.push_back(nullptr);
		execv(program.c_str(), argv.data());
		_exit(127);
	}
	int status = 0;
	waitpid(pid, &status, 0);
	bytes o = stdout_to.empty() ? slurp(out) : bytes(), e = slurp(err);
	return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
	        std::string(o.begin(), o.end()), std::string(e.begin(), e.end())};
}

std::map<std::string, bytes> sandbox::files() const
{
	std::map<std::string, bytes> all;
	for (const fs::directory_entry& e : fs::directory_iterator(dir_)) {
		std::string name = e.path().filename().string();
		if (e.is_symlink())
			all[name] = text("-> " + fs::read_symlink(e.path()).string());
		else if (e.is_directory())
			all[name] = text("<dir>");
		else
			all[name] = slurp(e.path());
	}
	return all;
}

void check(const std::string& program, const cli_case& c)
{
	SCOPED_TRACE(c.name);
	sandbox box;
	for (const auto& [name, content] : c.given)
		box.put(name, content);
	for (const auto& [name, target] : c.symlinks)
		fs::create_symlink(target, box.dir() / name);
	for (const auto& [name, target] : c.hardlinks)
		fs::create_hard_link(box.dir() / target, box.dir() / name);
	run_result r = box.run(program, c.args, c.stdout_to);
	EXPECT_EQ(r.status, c.status);
	EXPECT_EQ(r.out, c.out);
	EXPECT_EQ(r.err, c.err);
	EXPECT_EQ(box.files(), c.left);
}
