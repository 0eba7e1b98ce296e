#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dw::files {

// The whole file, or nothing when it cannot be read, is not a regular file (a pipe, a device, a
// directory) or holds more than `max_size` bytes.
std::optional<std::string> read_text(const std::filesystem::path& path, size_t max_size);

// Writes the file through a temporary file in the same directory that is flushed to disk and
// then renamed over the old one: a crash, a kill or a full disk leaves the old file whole.
// False when anything failed; the old file is then untouched and no temporary file is left.
bool write_atomically(const std::filesystem::path& path, std::string_view content);

// Test seam: called between the write of the temporary file and the rename. Returning false
// stops there as a crash would (the temporary file stays, the rename never happens).
extern std::function<bool(const std::filesystem::path& temporary)> before_rename;

// Splits a record file into lines; CR LF and LF endings are both accepted.
std::vector<std::string_view> split_lines(std::string_view text);

// A line holding one whole number, blanks around it ignored; nothing when it is not a number
// or does not fit 32 bits.
std::optional<int32_t> parse_int(std::string_view line);

// A number as the record files write it: a blank before a non-negative number, then CR LF.
std::string number_line(int64_t value);

}  // namespace dw::files
