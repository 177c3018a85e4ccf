// File handling that the three tools share: reading a whole input under a
// size limit, refusing an output that is one of the inputs, and writing an
// output so that a full disk cannot pass for success.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

// Opens the file name, reads all of it into buf, and closes it. An input
// with more bytes than buf holds is too long. On failure it says why on
// standard error, as the tools all do, and returns nothing: a read error is
// reported, never taken for the end of the file.
std::optional<std::span<std::uint8_t>> load(const char* name, std::span<std::uint8_t> buf);

// True when both names lead to one existing file: the same name, or a hard or
// symbolic link to it.
bool same_file(const char* a, const char* b);

// Writes head and then tail, and closes the stream. False, with errno telling
// why, when a write or the close failed; the stream is closed either way.
bool write_close(std::FILE* out, std::span<const std::uint8_t> head,
                 std::span<const std::uint8_t> tail = {});

// Flushes standard output at the end of a run that went well, and gives the
// exit status: 1, after a perror-form line for "stdout", when the output
// could not be written (a full disk under a redirection), so that lost lines
// never pass for success.
int finish_stdout();
