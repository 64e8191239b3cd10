// The stage data file (*.vkst): one whole stage set in 161 records. Line 1 is the data set
// name; then, for each of the ten stages, its name and its 15 rows from the top. A row record
// holds the codes of its 15 cells from the left, each followed by a comma ("01,00,...,01,").
//
// Reading parses into a fresh stage set and hands it out only when all 161 records made sense,
// so a bad file never leaves a half-loaded set behind. Records after the 161st are never read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/stage_set.h"
#include "io/file_error.h"

namespace vantoki {

constexpr int kStageDataRecordCount = 1 + kStageCount * (1 + kBoardSize);

// The text of row record y: each code of the row, zero-filled to two digits, and a comma.
std::string rowRecordText(const Board& board, int y);

[[nodiscard]] std::optional<FileError> writeStageDataFile(const std::filesystem::path& path,
                                                          const StageSet& stageSet);

// Fails when the file cannot be opened or ends before its 161st record, when a row record has
// fewer than 15 commas, or when a cell holds a number outside the 16-bit range. A failing row
// is reported by its cause where that is plain: a line ending in CR CR LF before it, which
// shifts it, or a missing opening quote.
Result<StageSet> readStageDataFile(const std::filesystem::path& path);

}  // namespace vantoki
