#include "records/record_store.h"

#include "records/file_io.h"

namespace dw {

std::optional<std::string> DiskStore::read(std::string_view name) {
    return files::read_text(directory_ / std::string(name));
}

bool DiskStore::write(std::string_view name, std::string_view text) {
    return files::write_atomically(directory_ / std::string(name), text);
}

std::optional<std::string> MemoryStore::read(std::string_view name) {
    const auto it = files.find(name);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool MemoryStore::write(std::string_view name, std::string_view text) {
    if (fail_all || failing.count(name)) return false;
    ++writes;
    files[std::string(name)] = std::string(text);
    return true;
}

std::string MemoryStore::text(std::string_view name) const {
    const auto it = files.find(name);
    return it == files.end() ? "<missing>" : it->second;
}

}  // namespace dw
