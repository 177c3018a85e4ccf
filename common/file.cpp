#include "common/file.hpp"

#include <cerrno>
#include <filesystem>
#include <system_error>

std::optional<std::span<std::uint8_t>> load(const char* name, std::span<std::uint8_t> buf)
{
	std::FILE* in = std::fopen(name, "rb");
	if (in == nullptr) {
		std::perror(name);
		return {};
	}
	std::size_t count = std::fread(buf.data(), 1, buf.size(), in);
	bool too_long = count == buf.size() && std::fgetc(in) != EOF;
	if (!too_long && std::ferror(in)) {
		std::perror(name);
		std::fclose(in);
		return {};
	}
	std::fclose(in);
	if (too_long) {
		std::fputs("Too long file\n", stderr);
		return {};
	}
	return buf.first(count);
}

bool same_file(const char* a, const char* b)
{
	std::error_code ec;
	return std::filesystem::equivalent(a, b, ec) && !ec;
}

static bool write_all(std::FILE* out, std::span<const std::uint8_t> bytes)
{
	return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
}

bool write_close(std::FILE* out, std::span<const std::uint8_t> head,
                 std::span<const std::uint8_t> tail)
{
	int err = 0;
	if (!write_all(out, head) || !write_all(out, tail) || std::fflush(out) != 0)
		err = errno;
	if (std::fclose(out) != 0 && err == 0)
		err = errno;
	errno = err;
	return err == 0;
}

int finish_stdout()
{
	if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
		std::perror("stdout");
		return 1;
	}
	return 0;
}
