#include "scores/highscore_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tov {

static_assert(std::numeric_limits<double>::is_iec559, "scores are stored as IEEE 754 doubles");
static_assert(sizeof(double) == sizeof(uint64_t));
static_assert(kHighscoreFileBytes == 8600);

namespace {

constexpr uint8_t kLineFeed = 0x0A;

// The three fields of an entry in the order of their records.
constexpr const char* kFieldNames[3] = {"_Highname", "_Highstring1", "_Highstring2"};

std::array<const HighscoreField*, 3> FieldsOf(const HighscoreTable& table, int entry) {
    return {&table.Highname[entry], &table.Highstring1[entry], &table.Highstring2[entry]};
}

std::array<HighscoreField*, 3> FieldsOf(HighscoreTable& table, int entry) {
    return {&table.Highname[entry], &table.Highstring1[entry], &table.Highstring2[entry]};
}

std::size_t RecordOffset(int entry, int field) {
    return kHighscoreScoreBytes +
           (static_cast<std::size_t>(entry) * 3 + static_cast<std::size_t>(field)) *
               kHighscoreRecordBytes;
}

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

// Closes the file at the end of a scope unless it was closed on purpose.
struct FileCloser {
    std::FILE* file;
    ~FileCloser() {
        if (file != nullptr) std::fclose(file);
    }
};

// Makes the data written to the open file durable before it is renamed into place.
bool SyncToDisc(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Writes `bytes` as the whole content of the file (created, or truncated where it stands), flushed
// to the disc.
bool WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes, std::string* reason) {
    errno = 0;
    FileCloser closer{std::fopen(path.c_str(), "wb")};
    if (closer.file == nullptr) {
        *reason = ErrnoText(errno != 0 ? errno : EIO);
        return false;
    }
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), closer.file) != bytes.size() ||
        std::fflush(closer.file) != 0 || !SyncToDisc(closer.file)) {
        error = errno != 0 ? errno : EIO;
    }
    std::FILE* file = closer.file;
    closer.file = nullptr;
    if (std::fclose(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error != 0) *reason = ErrnoText(error);
    return error == 0;
}

}  // namespace

std::string_view FieldText(const HighscoreField& field) {
    const auto end = std::find(field.begin(), field.begin() + kHighscoreTextBytes, '\0');
    return std::string_view(field.data(), static_cast<std::size_t>(end - field.begin()));
}

void StoreFieldText(HighscoreField& field, std::string_view text) {
    const std::size_t length = std::min<std::size_t>(text.size(), kHighscoreTextBytes);
    std::copy_n(text.begin(), length, field.begin());
    if (length < kHighscoreTextBytes) field[length] = '\0';
    field[kHighscoreTextBytes] = '\0';
}

std::vector<uint8_t> EncodeHighscoreFile(const HighscoreTable& table) {
    std::vector<uint8_t> bytes(kHighscoreFileBytes, 0);
    for (int entry = 0; entry < kHighscoreEntries; ++entry) {
        uint64_t bits = 0;
        std::memcpy(&bits, &table.Highscore[entry], sizeof bits);
        for (int k = 0; k < 8; ++k) {
            bytes[static_cast<std::size_t>(entry) * 8 + static_cast<std::size_t>(k)] =
                static_cast<uint8_t>(bits >> (8 * k));
        }
    }
    for (int entry = 0; entry < kHighscoreEntries; ++entry) {
        const auto fields = FieldsOf(table, entry);
        for (int f = 0; f < 3; ++f) {
            const std::size_t offset = RecordOffset(entry, f);
            std::copy_n(fields[f]->begin(), kHighscoreTextBytes, bytes.begin() + offset);
            bytes[offset + kHighscoreTextBytes] = kLineFeed;
        }
    }
    return bytes;
}

bool DecodeHighscoreFile(std::span<const uint8_t> bytes, HighscoreTable* table,
                         std::string* reason) {
    if (bytes.size() != kHighscoreFileBytes) {
        *reason = "it is " + std::to_string(bytes.size()) + " bytes long instead of " +
                  std::to_string(kHighscoreFileBytes);
        return false;
    }
    for (int entry = 0; entry < kHighscoreEntries; ++entry) {
        for (int f = 0; f < 3; ++f) {
            if (bytes[RecordOffset(entry, f) + kHighscoreTextBytes] != kLineFeed) {
                *reason = "the " + std::string(kFieldNames[f]) + " record of entry " +
                          std::to_string(entry) + " does not end in a line feed";
                return false;
            }
        }
    }

    for (int entry = 0; entry < kHighscoreEntries; ++entry) {
        uint64_t bits = 0;
        for (int k = 0; k < 8; ++k) {
            bits |=
                uint64_t{bytes[static_cast<std::size_t>(entry) * 8 + static_cast<std::size_t>(k)]}
                << (8 * k);
        }
        std::memcpy(&table->Highscore[entry], &bits, sizeof bits);
    }
    for (int entry = 0; entry < kHighscoreEntries; ++entry) {
        const auto fields = FieldsOf(*table, entry);
        for (int f = 0; f < 3; ++f) {
            HighscoreField& field = *fields[f];
            const std::size_t offset = RecordOffset(entry, f);
            std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), kHighscoreTextBytes,
                        field.begin());
            field[kHighscoreTextBytes] = '\0';
            // A line feed inside a text (written by a version that let one in) ends the text.
            const auto end = std::find_if(field.begin(), field.begin() + kHighscoreTextBytes,
                                          [](char c) { return c == '\0' || c == '\n'; });
            if (*end == '\n') *end = '\0';
        }
    }
    return true;
}

FileReadResult ReadFileUpTo(const std::string& path, std::size_t limit, std::vector<uint8_t>* bytes,
                            std::string* reason) {
    bytes->clear();
    errno = 0;
    FileCloser closer{std::fopen(path.c_str(), "rb")};
    if (closer.file == nullptr) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) return FileReadResult::Missing;
        *reason = ErrnoText(error);
        return FileReadResult::Failed;
    }
    bytes->resize(limit);
    const std::size_t count = std::fread(bytes->data(), 1, limit, closer.file);
    if (std::ferror(closer.file)) {
        *reason = ErrnoText(errno != 0 ? errno : EIO);
        bytes->clear();
        return FileReadResult::Failed;
    }
    bytes->resize(count);
    return FileReadResult::Read;
}

std::string TemporaryPathFor(const std::string& path) {
    return path + ".saving";
}

std::string SaveTargetOf(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path place(path);
    // As many links as the system itself follows before it gives up on a loop.
    constexpr int kMostLinks = 40;
    for (int link = 0; link < kMostLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(place, error)) || error) break;
        const fs::path target = fs::read_symlink(place, error);
        if (error || target.empty()) break;
        place = target.is_absolute() ? target : place.parent_path() / target;
    }
    return place.string();
}

namespace {

void RemoveLeftoverTemporaryFile(const std::string& target) {
    std::error_code error;
    std::filesystem::remove(TemporaryPathFor(target), error);
}

bool HasFurtherNames(const std::string& target) {
    std::error_code error;
    return std::filesystem::hard_link_count(target, error) > 1 && !error;
}

}  // namespace

void FinishInterruptedSave(const std::string& path) {
    const std::string target = SaveTargetOf(path);
    const std::string temporary = TemporaryPathFor(target);
    std::error_code error;
    // A temporary file that is a link was put there by something else: it is never read.
    if (HasFurtherNames(target) &&
        std::filesystem::is_regular_file(std::filesystem::symlink_status(temporary, error))) {
        std::vector<uint8_t> bytes;
        std::string reason;
        HighscoreTable table;
        if (ReadFileUpTo(temporary, kHighscoreFileBytes + 1, &bytes, &reason) ==
                FileReadResult::Read &&
            DecodeHighscoreFile(bytes, &table, &reason)) {
            // When this fails too, the target stays as the interrupted save left it.
            WriteWholeFile(target, bytes, &reason);
        }
    }
    RemoveLeftoverTemporaryFile(target);
}

bool WriteTemporaryFile(const std::string& path, std::span<const uint8_t> bytes,
                        std::string* reason) {
    const std::string temporary = TemporaryPathFor(path);
    if (!WriteWholeFile(temporary, bytes, reason)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool ReplaceWithTemporaryFile(const std::string& path, std::string* reason) {
    const std::string temporary = TemporaryPathFor(path);
#ifdef _WIN32
    if (MoveFileExA(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        *reason = std::system_category().message(static_cast<int>(GetLastError()));
        std::remove(temporary.c_str());
        return false;
    }
#else
    errno = 0;
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        *reason = ErrnoText(errno != 0 ? errno : EIO);
        std::remove(temporary.c_str());
        return false;
    }
#endif
    return true;
}

bool WriteFileReplacing(const std::string& path, std::span<const uint8_t> bytes,
                        std::string* reason) {
    // An empty name names no file; its temporary file would land in the current folder.
    if (path.empty()) {
        *reason = ErrnoText(ENOENT);
        return false;
    }
    const std::string target = SaveTargetOf(path);
    // A stale temporary file goes first: it could itself be a link to somewhere else.
    RemoveLeftoverTemporaryFile(target);
    if (!WriteTemporaryFile(target, bytes, reason)) return false;

    // A file with further names (hard links) must keep them all: once the complete table lies
    // in the temporary file, the file itself is overwritten where it stands.
    if (HasFurtherNames(target)) {
        const bool written = WriteWholeFile(target, bytes, reason);
        std::remove(TemporaryPathFor(target).c_str());
        return written;
    }
    return ReplaceWithTemporaryFile(target, reason);
}

}  // namespace tov
