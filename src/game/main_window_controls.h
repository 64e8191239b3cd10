// The controls of the main window the game shows things in or reads, by their object names in the
// layout table (layout/layout_table.h). Which command each button runs is the command table's.
#pragma once

#include <string_view>

namespace vantoki::controls {

inline constexpr std::string_view kBoard = "MapPic";
inline constexpr std::string_view kDataSetNameBox = "Text2";
inline constexpr std::string_view kStageOptions = "Option1";  // (0..9), one a stage
inline constexpr std::string_view kStageNameBox = "Text1";

inline constexpr std::string_view kPlayPanel = "Frame4";
inline constexpr std::string_view kCurrentTurn = "Label5";
inline constexpr std::string_view kLastTurn = "Label3";
inline constexpr std::string_view kHistoryButtons = "Command5";  // (0..3), as HistoryStep
inline constexpr std::string_view kSpeedList = "Combo1";
inline constexpr std::string_view kDirectionButtons = "Picture4";  // (0..3), as the directions
inline constexpr std::string_view kPlayReplayButton = "Command6";

inline constexpr std::string_view kEditorPanel = "Frame5";
inline constexpr std::string_view kPalette = "Picture1";
inline constexpr std::string_view kLeftTile = "Picture2";
inline constexpr std::string_view kRightTile = "Picture3";

inline constexpr std::string_view kEditorButton = "Command3";
inline constexpr std::string_view kStageOperationsButton = "Command9";

inline constexpr std::string_view kStageClearPanel = "Frame7";
inline constexpr std::string_view kReplayPanel = "Frame6";
inline constexpr std::string_view kStopButton = "Command8";

}  // namespace vantoki::controls
