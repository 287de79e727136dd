// The high-score table's data and its file.
//
// The file is 8,600 bytes without header or checksum: the 100 scores as little-endian IEEE 754
// doubles (bytes 0..799), then 300 text records of 26 bytes (bytes 800..8599), for entry 0, 1,
// up to 99 its name, its first text and its second text. A record is the field's 25 bytes as
// they stand in memory followed by one line feed. The bytes never depend on the platform that
// wrote them.
//
// Saving goes through a temporary file beside the target that is renamed over it once it is
// complete, so a reader finds the old table or the new one, never a mixture or a stub. Through a
// symbolic link, the target is the file the link leads to.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tov {

inline constexpr int kHighscoreEntries = 100;   // entries 0..99
inline constexpr int kHighscoreTextBytes = 25;  // the longest text a field holds, in bytes
inline constexpr std::size_t kHighscoreScoreBytes = 8 * kHighscoreEntries;
inline constexpr std::size_t kHighscoreRecordBytes = kHighscoreTextBytes + 1;  // field + LF
inline constexpr std::size_t kHighscoreFileBytes =
    kHighscoreScoreBytes + 3 * kHighscoreEntries * kHighscoreRecordBytes;  // 8,600

// A text field: 25 bytes of text and the terminator. Storing a text writes it and, when it is
// shorter than 25 bytes, one zero byte; the bytes after that keep what they held (they carry no
// meaning but are written to the file as they stand). The last byte is always zero.
using HighscoreField = std::array<char, kHighscoreTextBytes + 1>;

// The text of a field: its bytes up to the first zero byte, at most 25.
std::string_view FieldText(const HighscoreField& field);
// Writes `text` (at most 25 bytes; longer texts are cut) into the field as described above.
void StoreFieldText(HighscoreField& field, std::string_view text);

// The four parallel arrays of the table, under their documented names. A fresh table has every
// score 0.0 and every field's bytes zero.
struct HighscoreTable {
    std::array<double, kHighscoreEntries> Highscore{};
    std::array<HighscoreField, kHighscoreEntries> Highname{};
    std::array<HighscoreField, kHighscoreEntries> Highstring1{};
    std::array<HighscoreField, kHighscoreEntries> Highstring2{};
};

// The bytes of the file that holds `table`.
std::vector<uint8_t> EncodeHighscoreFile(const HighscoreTable& table);

// Reads a table out of a file's bytes. The whole input is checked first: it must be exactly
// 8,600 bytes and every record must end in a line feed. On success returns true and fills
// *table (each field takes the record's 25 bytes; a text ends at its first zero byte or line
// feed, so no line feed ever enters the table). Otherwise returns false, leaves *table as it
// was and puts into *reason why the bytes are no table, in words for the user.
bool DecodeHighscoreFile(std::span<const uint8_t> bytes, HighscoreTable* table,
                         std::string* reason);

// --- The file on disc -----------------------------------------------------------------------
// Paths are used as given: a relative one resolves against the process's current directory.
// Every failure puts the system's description of its cause into *reason.

enum class FileReadResult { Read, Missing, Failed };

// Reads at most `limit` bytes of the file into *bytes. Missing: the file (or a folder on its
// path) does not exist; Failed: it exists but cannot be read.
FileReadResult ReadFileUpTo(const std::string& path, std::size_t limit, std::vector<uint8_t>* bytes,
                            std::string* reason);

// The temporary file a save of `path` writes before it replaces `path`.
std::string TemporaryPathFor(const std::string& path);

// The file a save of `path` lands in: where the chain of symbolic links that `path` names leads
// (a relative link counted from the link's folder), also when that file does not exist yet;
// `path` itself when it is no link.
std::string SaveTargetOf(const std::string& path);

// Deals with the temporary file an interrupted save of `path` left beside the save's target;
// nothing when there is none. A save that renames never touched the target, which still holds
// the old table: the temporary file goes. A save into a file with further hard links may have
// been cut off while overwriting the target in place; its temporary file then holds the whole
// new table, and when it does (a complete, readable table) it is written over the target
// first, so that the table is not lost to a torn file.
void FinishInterruptedSave(const std::string& path);

// Writes `bytes` to TemporaryPathFor(path), complete and flushed to the disc, replacing a
// temporary file an interrupted save may have left. On failure nothing of it is left behind.
bool WriteTemporaryFile(const std::string& path, std::span<const uint8_t> bytes,
                        std::string* reason);

// Renames the temporary file over `path` in one step. On failure `path` is untouched and the
// temporary file is removed.
bool ReplaceWithTemporaryFile(const std::string& path, std::string* reason);

// Both steps, at SaveTargetOf(path), so a link stays a link and its target takes the table; a
// file with further hard links is overwritten in place once the temporary file is complete, so
// every name shows the new table. Afterwards the file holds `bytes` or, on failure, what it held
// before (but for a failure while overwriting in place).
bool WriteFileReplacing(const std::string& path, std::span<const uint8_t> bytes,
                        std::string* reason);

}  // namespace tov
