#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>

namespace dw::files {

std::function<bool(const std::filesystem::path&)> before_rename;

std::optional<std::string> read_text(const std::filesystem::path& path, size_t max_size) {
    // Opened without blocking, so a FIFO under the name cannot stop the program; only a regular
    // file is read, and no more than `max_size` bytes of it (a link to /dev/zero ends there).
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) <= max_size) {
        std::string text;
        char buffer[8192];
        bool ok = true;
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) ok = false;
            if (n <= 0) break;
            text.append(buffer, static_cast<size_t>(n));
            if (text.size() > max_size) {
                ok = false;
                break;
            }
        }
        if (ok) out = std::move(text);
    }
    ::close(fd);
    return out;
}

namespace {
bool write_all(int fd, std::string_view content) {
    const char* p = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

bool write_atomically(const std::filesystem::path& path, std::string_view content) {
    std::string temp_name = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp_name.data());
    if (fd < 0) return false;
    const std::filesystem::path temporary(temp_name);
    const bool written = write_all(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        std::remove(temp_name.c_str());
        return false;
    }
    ::chmod(temp_name.c_str(), 0644);
    if (before_rename && !before_rename(temporary)) return false;
    if (std::rename(temp_name.c_str(), path.c_str()) != 0) {
        std::remove(temp_name.c_str());
        return false;
    }
    // The rename is only as durable as the directory that holds it.
    const std::string dir = path.has_parent_path() ? path.parent_path().string() : ".";
    const int dir_fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd >= 0) {
        ::fsync(dir_fd);
        ::close(dir_fd);
    }
    return true;
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<int32_t> parse_int(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
    // One sign at most: "+5" and "-5" are numbers, "+-5" is not.
    if (!line.empty() && line.front() == '+') {
        line.remove_prefix(1);
        if (!line.empty() && (line.front() == '+' || line.front() == '-')) return std::nullopt;
    }
    if (line.empty()) return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end != line.data() + line.size()) return std::nullopt;
    return value;
}

std::string number_line(int64_t value) {
    return (value >= 0 ? " " : "") + std::to_string(value) + "\r\n";
}

}  // namespace dw::files
