#include "io/stage_data_file.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "io/record_syntax.h"
#include "io/tile_code_text.h"

namespace vantoki {
namespace {

constexpr int kRecordsPerStage = 1 + kBoardSize;

// Record indexes count from 0; the line a person sees in an editor is one more.
int stageNameRecord(int stage) {
  return 1 + kRecordsPerStage * stage;
}
int rowRecord(int stage, int y) {
  return stageNameRecord(stage) + 1 + y;
}

// What is wrong with a row, in English to follow "row R of stage S " and in Japanese to follow
// "ステージSのR段目".
struct RowProblem {
  std::string english;
  std::string japanese;
};

// Stores the 15 cells of one row record into row y of the board. On failure, says what is wrong
// with the row.
std::optional<RowProblem> readRow(std::string_view text, int y, Board& board) {
  const std::string expected = std::to_string(kBoardSize);
  for (int x = 0; x < kBoardSize; ++x) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
      return RowProblem{
          "has " + countOf(x, "comma") + ", " + expected + " expected",
          (x == 0 ? "にカンマがありません" : "にカンマが" + std::to_string(x) + "個あります") +
              "（" + expected + "個のはずです）"};
    }
    const std::optional<TileCode> code = parseTileCode(text.substr(0, comma));
    if (!code) {
      const std::string cell = std::to_string(x + 1);
      return RowProblem{"has a number outside -32768 to 32767 in cell " + cell,
                        "の左から" + cell + "マス目の数が -32768～32767 の範囲を超えています"};
    }
    board.set(x, y, *code);
    text.remove_prefix(comma + 1);
  }
  return std::nullopt;
}

}  // namespace

std::string rowRecordText(const Board& board, int y) {
  std::string text;
  for (int x = 0; x < kBoardSize; ++x) {
    text += formatTileCode(board.at(x, y));
    text += ',';
  }
  return text;
}

std::optional<FileError> writeStageDataFile(const std::filesystem::path& path,
                                            const StageSet& stageSet) {
  std::vector<std::string> texts;
  texts.reserve(kStageDataRecordCount);
  texts.push_back(stageSet.dataSetName);
  for (int stage = 0; stage < kStageCount; ++stage) {
    texts.push_back(stageSet.stageNames[stage]);
    for (int y = 0; y < kBoardSize; ++y) {
      texts.push_back(rowRecordText(stageSet.stageCells[stage], y));
    }
  }
  return writeRecords(path, texts);
}

Result<StageSet> readStageDataFile(const std::filesystem::path& path) {
  const Result<std::vector<Record>> read = readRecords(path, kStageDataRecordCount);
  if (!read.ok()) {
    return read.error();
  }
  const std::vector<Record>& records = read.value();
  StageSet stageSet;
  stageSet.dataSetName = records[0].value;
  for (int stage = 0; stage < kStageCount; ++stage) {
    stageSet.stageNames[stage] = records[stageNameRecord(stage)].value;
    for (int y = 0; y < kBoardSize; ++y) {
      const int record = rowRecord(stage, y);
      std::optional<RowProblem> problem =
          readRow(records[record].value, y, stageSet.stageCells[stage]);
      if (!problem) {
        continue;
      }
      // What the row looks like is only a symptom when a stray CR has shifted it here.
      if (std::optional<FileError> strayCr =
              strayCrError(path, std::span(records).first(static_cast<std::size_t>(record) + 1))) {
        return *std::move(strayCr);
      }
      if (records[record].unquoted) {
        problem = RowProblem{"does not begin with a double quote, so it ends at its first comma",
                             "が「\"」で始まっていないので、最初のカンマで切れています"};
      }
      const std::string row = std::to_string(y + 1);
      const std::string stageNumber = std::to_string(stage + 1);
      return fileError(path, record + 1,
                       "row " + row + " of stage " + stageNumber + " " + problem->english,
                       "ステージ" + stageNumber + "の" + row + "段目" + problem->japanese);
    }
  }
  return stageSet;
}

}  // namespace vantoki
