#include "records/record_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <regex>

#include "files/file_io.h"

namespace dw {

const std::set<std::string>& record_names() {
    static const std::set<std::string> names = [] {
        std::set<std::string> n{"CONFIG.VPK", "PAYOUTS.VPK"};
        for (int p = 1; p <= 4; ++p) {
            n.insert("STATS" + std::to_string(p) + ".VPK");
            n.insert("PROGRES" + std::to_string(p) + ".VPK");
            n.insert("TRAINER" + std::to_string(p) + ".VPK");
            n.insert("MISTAKES" + std::to_string(p) + ".VPK");
            n.insert("TRAINLOG" + std::to_string(p) + ".VPK");
        }
        return n;
    }();
    return names;
}

std::optional<std::string> DiskStore::read(std::string_view name) {
    return files::read_text(directory_ / std::string(name), kMaxRecordSize);
}

bool DiskStore::write(std::string_view name, std::string_view text) {
    // The rename needs only the directory's permission; a record the player protected stays.
    std::filesystem::path path = directory_ / std::string(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // A record kept elsewhere (a synced folder) through a link: the new file replaces the
        // link's target, written beside it, and the link stays. A dangling link is refused.
        char* target = ::realpath(path.c_str(), nullptr);
        if (!target) return false;
        path = target;
        std::free(target);
    }
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return false;
    }
    return files::write_atomically(path, text);
}

bool DiskStore::exists(std::string_view name) {
    struct stat st {};
    return ::lstat((directory_ / std::string(name)).c_str(), &st) == 0;
}

bool DiskStore::keep_bad(std::string_view name) {
    const std::filesystem::path path = directory_ / std::string(name);
    std::error_code ec;
    std::filesystem::rename(path, directory_ / (std::string(name) + ".bad"), ec);
    return !ec;
}

int DiskStore::remove_stale_temporaries() {
    // The temporary files of write_atomically: ".NAME.VPK.XXXXXX" beside the record.
    static const std::regex temporary(R"(\.([A-Z]+[1-4]?\.VPK)\.[A-Za-z0-9]{6})");
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(directory_, ec)) {
        const std::string file = entry.path().filename().string();
        std::smatch m;
        if (!std::regex_match(file, m, temporary) || !record_names().count(m[1].str())) continue;
        std::error_code rm;
        if (entry.is_regular_file(rm) && std::filesystem::remove(entry.path(), rm)) ++removed;
    }
    return removed;
}

std::optional<std::string> MemoryStore::read(std::string_view name) {
    const auto it = files.find(name);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool MemoryStore::write(std::string_view name, std::string_view text) {
    if (fail_all || failing.count(name)) return false;
    files[std::string(name)] = std::string(text);
    return true;
}

bool MemoryStore::keep_bad(std::string_view name) {
    const auto it = files.find(name);
    if (it == files.end() || fail_all) return false;
    files[std::string(name) + ".bad"] = it->second;
    files.erase(std::string(name));
    return true;
}

std::string MemoryStore::text(std::string_view name) const {
    const auto it = files.find(name);
    return it == files.end() ? "<missing>" : it->second;
}

bool adopt_records(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code ec;
    if (std::filesystem::equivalent(from, to, ec)) return false;
    for (const auto& name : record_names())
        if (std::filesystem::exists(to / name, ec)) return false;
    DiskStore source(from), target(to);
    bool any = false;
    for (const auto& name : record_names())
        if (const auto text = source.read(name)) any = target.write(name, *text) || any;
    return any;
}

}  // namespace dw
