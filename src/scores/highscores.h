// The 100-entry high-score table and its file.
//
// The table is four parallel arrays (HighscoreTable): a score and three texts of at most 25
// bytes per entry, 0..99. It needs no panel: every member works before InstallPanel and after
// any panel was discarded. Nothing clears it; it lives as long as the Engine.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/variant.h"
#include "scores/highscore_file.h"

namespace tov {

class Engine;

class Highscores : public HighscoreTable {
  public:
    explicit Highscores(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Stores one entry. Refused (nothing changes, not even the score): an index above 99, a
    // text longer than 25 bytes, a text holding a line feed (the file could not keep it).
    int WriteHighscoreToCVI(uint8_t _Index, double _Highscore, std::string_view _Highname,
                            std::string_view _Highstring1, std::string_view _Highstring2);
    // Puts entry _Index into the four variants (a double, then three strings). A null variant
    // pointer is skipped. Refused: an index above 99.
    int ReadHighscoreFromCVI(uint8_t _Index, platform::Variant* _Highscore,
                             platform::Variant* _Highname, platform::Variant* _Highstring1,
                             platform::Variant* _Highstring2);
    // Sorts entries _MinIndex.._MaxIndex (both inclusive) into ascending order of score; equal
    // scores keep their order and entries outside the range are untouched. Refused: _MinIndex
    // not below _MaxIndex, _MaxIndex above 99.
    int SortHighscores(uint8_t _MinIndex, uint8_t _MaxIndex);
    // Writes the whole table to the named file (as given, not joined to loadedVPTDir). The file
    // is replaced in one step, so it holds the old table or the new one; a file that cannot be
    // written is reported and keeps what it held.
    int SaveHscoreToDisc(std::string_view HScoreFileName);
    // Reads the whole table from the named file. A file that does not exist loads nothing and
    // returns 0 (a table's first run has none); one that cannot be read or is no high-score
    // file is reported and the table stays as it was.
    int LoadHscoreFromDisc(std::string_view HScoreFileName);

  private:
    Engine& engine_;
};

}  // namespace tov
