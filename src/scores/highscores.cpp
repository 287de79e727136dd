#include "scores/highscores.h"

#include <string>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "platform/paths.h"

namespace tov {

namespace {

constexpr int kLastIndex = kHighscoreEntries - 1;

// Texts reach the engine as zero-terminated strings: a zero byte ends them.
std::string_view CText(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// The high-score file name is used as the script gives it (relative names to the current
// folder, not to the table's folder), with backslashes as separators and letter case ignored
// where the name as given does not exist.
std::string HighscorePath(std::string_view name) {
    return platform::ResolveCaseInsensitive(platform::JoinPath("", CText(name)));
}

bool HoldsLineFeed(std::string_view text) {
    return text.find('\n') != std::string_view::npos;
}

std::string IndexMessage(std::string_view member) {
    return "CVI-function '" + std::string(member) +
           "': argument '_Index' out of range (must be 0.." + std::to_string(kLastIndex) + ")";
}

std::string TooLongMessage(std::string_view argument) {
    return "CVI-function 'WriteHighscoreToCVI': argument '" + std::string(argument) +
           "' too long (max. " + std::to_string(kHighscoreTextBytes) + " characters)";
}

std::string LineFeedMessage(std::string_view argument) {
    return "CVI-function 'WriteHighscoreToCVI': argument '" + std::string(argument) +
           "' contains a line feed (not allowed)";
}

}  // namespace

int Highscores::WriteHighscoreToCVI(uint8_t _Index, double _Highscore, std::string_view _Highname,
                                    std::string_view _Highstring1, std::string_view _Highstring2) {
    const std::string_view name = CText(_Highname);
    const std::string_view text1 = CText(_Highstring1);
    const std::string_view text2 = CText(_Highstring2);
    if (_Index > kLastIndex) {
        return engine_.Report(ReportTitle::FatalError, IndexMessage("WriteHighscoreToCVI"));
    }
    if (name.size() > kHighscoreTextBytes) {
        return engine_.Report(ReportTitle::FatalError, TooLongMessage("_Highname"));
    }
    if (text1.size() > kHighscoreTextBytes) {
        return engine_.Report(ReportTitle::FatalError, TooLongMessage("_Highstring1"));
    }
    if (text2.size() > kHighscoreTextBytes) {
        return engine_.Report(ReportTitle::FatalError, TooLongMessage("_Highstring2"));
    }
    // The file ends each text record with a line feed, so a text holding one would put every
    // later record out of step for a reader that goes by lines.
    if (HoldsLineFeed(name)) {
        return engine_.Report(ReportTitle::FatalError, LineFeedMessage("_Highname"));
    }
    if (HoldsLineFeed(text1)) {
        return engine_.Report(ReportTitle::FatalError, LineFeedMessage("_Highstring1"));
    }
    if (HoldsLineFeed(text2)) {
        return engine_.Report(ReportTitle::FatalError, LineFeedMessage("_Highstring2"));
    }

    Highscore[_Index] = _Highscore;
    StoreFieldText(Highname[_Index], name);
    StoreFieldText(Highstring1[_Index], text1);
    StoreFieldText(Highstring2[_Index], text2);
    return 0;
}

int Highscores::ReadHighscoreFromCVI(uint8_t _Index, platform::Variant* _Highscore,
                                     platform::Variant* _Highname, platform::Variant* _Highstring1,
                                     platform::Variant* _Highstring2) {
    if (_Index > kLastIndex) {
        return engine_.Report(ReportTitle::FatalError, IndexMessage("ReadHighscoreFromCVI"));
    }
    if (_Highscore != nullptr) _Highscore->SetR8(Highscore[_Index]);
    if (_Highname != nullptr) _Highname->SetString(FieldText(Highname[_Index]));
    if (_Highstring1 != nullptr) _Highstring1->SetString(FieldText(Highstring1[_Index]));
    if (_Highstring2 != nullptr) _Highstring2->SetString(FieldText(Highstring2[_Index]));
    return 0;
}

int Highscores::SortHighscores(uint8_t _MinIndex, uint8_t _MaxIndex) {
    if (_MinIndex >= _MaxIndex) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SortHighscores': argument '_MinIndex' out of range "
                              "(must be 0..(_MaxIndex-1)");
    }
    if (_MaxIndex > kLastIndex) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SortHighscores': argument '_MaxIndex' out of range "
                              "(must be (_MinIndex+1).." +
                                  std::to_string(kLastIndex) + ")");
    }

    // Bubble sort: each pass carries the highest remaining score up to `hi`, so the bound
    // shrinks by one per pass; a pass without an exchange ends the sort early. Only a strictly
    // lower successor is exchanged, which keeps equal scores in their order.
    int hi = _MaxIndex;
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = _MinIndex; i < hi; ++i) {
            if (!(Highscore[i + 1] >= Highscore[i])) {
                std::swap(Highscore[i], Highscore[i + 1]);
                std::swap(Highname[i], Highname[i + 1]);
                std::swap(Highstring1[i], Highstring1[i + 1]);
                std::swap(Highstring2[i], Highstring2[i + 1]);
                exchanged = true;
            }
        }
        --hi;
    }
    return 0;
}

int Highscores::SaveHscoreToDisc(std::string_view HScoreFileName) {
    const std::string path = HighscorePath(HScoreFileName);
    const std::vector<uint8_t> bytes = EncodeHighscoreFile(*this);
    std::string reason;
    if (!WriteFileReplacing(path, bytes, &reason)) {
        return engine_.Report(
            ReportTitle::FatalError,
            "CVI-function 'SaveHscoreToDisc': File '" + path + "' could not be written: " + reason);
    }
    return 0;
}

int Highscores::LoadHscoreFromDisc(std::string_view HScoreFileName) {
    const std::string path = HighscorePath(HScoreFileName);
    // A save that was interrupted may have left a temporary file beside the table.
    FinishInterruptedSave(path);
    std::vector<uint8_t> bytes;
    std::string reason;
    // One byte more than a table tells a longer file from a table without reading all of it.
    switch (ReadFileUpTo(path, kHighscoreFileBytes + 1, &bytes, &reason)) {
        case FileReadResult::Missing:
            return 0;
        case FileReadResult::Failed:
            return engine_.Report(ReportTitle::FatalError,
                                  "CVI-function 'LoadHscoreFromDisc': File '" + path +
                                      "' could not be read: " + reason);
        case FileReadResult::Read:
            break;
    }
    if (bytes.size() > kHighscoreFileBytes) {
        reason = "it is longer than " + std::to_string(kHighscoreFileBytes) + " bytes";
    } else if (DecodeHighscoreFile(bytes, this, &reason)) {
        return 0;
    }
    return engine_.Report(ReportTitle::FatalError, "CVI-function 'LoadHscoreFromDisc': File '" +
                                                       path + "' is no high-score table (" +
                                                       reason + "); nothing was loaded");
}

}  // namespace tov
