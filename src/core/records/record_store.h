#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace dw {

// Where the record files (CONFIG.VPK, PAYOUTS.VPK, STATSn.VPK, PROGRESn.VPK, TRAINERn.VPK,
// MISTAKESn.VPK, TRAINLOGn.VPK) live.
// The machine reads and writes them by name only; a write either replaces the whole record or leaves the
// old one as it was.
class RecordStore {
public:
    virtual ~RecordStore() = default;
    // The whole record, or nothing when it is missing or cannot be read.
    virtual std::optional<std::string> read(std::string_view name) = 0;
    // False when the record could not be written; the old one then stands.
    virtual bool write(std::string_view name, std::string_view text) = 0;
    // Something stands under the name, readable or not.
    virtual bool exists(std::string_view name) = 0;
    // Moves an unreadable record aside to "name.bad" (replacing an older one), so the next save
    // does not write over what may still be a player's history. False when it could not.
    virtual bool keep_bad(std::string_view name) = 0;
};

// The largest record file read; the largest valid one is about 10 KB.
inline constexpr size_t kMaxRecordSize = 1 << 20;

// Records as files in one directory, each written through a temporary file that is flushed
// to disk and renamed over the old one. Only regular files up to kMaxRecordSize are read; a
// record whose file has no write permission is not replaced. A record that is a symbolic link
// to a regular file is written at the link's target; a link to anything else is refused.
class DiskStore : public RecordStore {
public:
    explicit DiskStore(std::filesystem::path directory) : directory_(std::move(directory)) {}
    std::optional<std::string> read(std::string_view name) override;
    bool write(std::string_view name, std::string_view text) override;
    bool exists(std::string_view name) override;
    bool keep_bad(std::string_view name) override;
    const std::filesystem::path& directory() const { return directory_; }
    // Removes the temporary files that saves cut short by a crash left behind; returns how many.
    int remove_stale_temporaries();

private:
    std::filesystem::path directory_;
};

// Records in memory, for tests and for tools that must never touch the disk. Writes fail for
// the names in `failing` (or all of them with `fail_all`), as a full or protected disk would.
class MemoryStore : public RecordStore {
public:
    std::optional<std::string> read(std::string_view name) override;
    bool write(std::string_view name, std::string_view text) override;
    bool exists(std::string_view name) override { return has(name); }
    bool keep_bad(std::string_view name) override;
    bool has(std::string_view name) const { return files.count(std::string(name)) != 0; }
    // The record's text, or "<missing>".
    std::string text(std::string_view name) const;

    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> failing;
    bool fail_all = false;
};

// The names of every record file the machine keeps.
const std::set<std::string>& record_names();

// A read-only install keeps its records in the user's data directory. When that directory has
// no records yet, the ones left beside the program are copied over; true when any were.
bool adopt_records(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace dw
