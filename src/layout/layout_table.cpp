#include "layout/layout_table.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "platform/maker.h"
#include "platform/version.h"

namespace vantoki {
namespace {

using enum ControlKind;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlack = 0x000000;

constexpr ControlStyle kTurnCounter = [] {
  ControlStyle style;
  style.textColor = kRed;
  return style;
}();
constexpr ControlStyle kCentred = [] {
  ControlStyle style;
  style.align = TextAlign::Centre;
  return style;
}();
// Too wide for one line at its size, "STAGE CLEAR!!" wraps at its space: two centred lines that
// fill the label.
constexpr ControlStyle kBanner = [] {
  ControlStyle style = kCentred;
  style.pointSize = 27.75;
  style.wraps = true;
  return style;
}();
constexpr ControlStyle kRightAligned = [] {
  ControlStyle style;
  style.align = TextAlign::Right;
  return style;
}();
constexpr ControlStyle kAboutTitle = [] {
  ControlStyle style;
  style.textColor = kBlack;
  style.pointSize = 11.25;
  style.bold = true;
  return style;
}();
constexpr ControlStyle kPreview = [] {
  ControlStyle style;
  style.groundColor = kStagePreviewGround;
  return style;
}();

constexpr std::array kMainWindow = std::to_array<ControlPlace>({
    {"Form1", "", 0, 0, 833, 613, Window, "Vantoki"},
    {"MapPic", "Form1", 8, 8, 600, 600, Picture},
    {"Command2", "Form1", 616, 8, 209, 25, Button, "ステージデータ　ロード"},
    {"Label4", "Form1", 616, 44, 205, 13, Label, "データ名"},
    {"Text2", "Form1", 616, 56, 209, 22, NameBox, "", false, {}, {}, "Label4"},
    {"Frame1", "Form1", 616, 92, 209, 133, Frame, "ステージ選択"},
    {"Option1(0)", "Frame1", 8, 24, 33, 25, StageOption, "01"},
    {"Option1(1)", "Frame1", 48, 24, 33, 25, StageOption, "02"},
    {"Option1(2)", "Frame1", 88, 24, 33, 25, StageOption, "03"},
    {"Option1(3)", "Frame1", 128, 24, 33, 25, StageOption, "04"},
    {"Option1(4)", "Frame1", 168, 24, 33, 25, StageOption, "05"},
    {"Option1(5)", "Frame1", 8, 52, 33, 25, StageOption, "06"},
    {"Option1(6)", "Frame1", 48, 52, 33, 25, StageOption, "07"},
    {"Option1(7)", "Frame1", 88, 52, 33, 25, StageOption, "08"},
    {"Option1(8)", "Frame1", 128, 52, 33, 25, StageOption, "09"},
    {"Option1(9)", "Frame1", 168, 52, 33, 25, StageOption, "10"},
    {"Label1", "Frame1", 8, 88, 61, 13, Label, "ステージ名"},
    {"Text1", "Frame1", 8, 100, 193, 22, NameBox, "", false, {}, {}, "Label1"},
    {"Frame4", "Form1", 616, 240, 209, 237, Frame},
    {"Label2", "Frame4", 64, 20, 81, 13, Label, "ターン数"},
    {"Label5", "Frame4", 64, 36, 33, 13, Label, "000", false, kTurnCounter},
    {"Label6", "Frame4", 92, 36, 21, 13, Label, "／", false, kCentred},
    {"Label3", "Frame4", 112, 36, 33, 13, Label, "000", false, kTurnCounter},
    {"Command5(0)", "Frame4", 12, 20, 25, 29, Button, "≪"},
    {"Command5(1)", "Frame4", 40, 20, 25, 29, Button, "＜"},
    {"Command5(2)", "Frame4", 144, 20, 25, 29, Button, "＞"},
    {"Command5(3)", "Frame4", 172, 20, 25, 29, Button, "≫"},
    {"Label8", "Frame4", 16, 60, 85, 13, Label, "ゲームスピード"},
    {"Combo1", "Frame4", 104, 56, 93, 20, List, "", false, {}, {}, "Label8"},
    {"Picture4(1)", "Frame4", 84, 80, 40, 40, Picture, "上"},
    {"Picture4(0)", "Frame4", 40, 104, 40, 40, Picture, "左"},
    {"Picture4(2)", "Frame4", 128, 104, 40, 40, Picture, "右"},
    {"Picture4(3)", "Frame4", 84, 128, 40, 40, Picture, "下"},
    {"Frame7", "Frame4", 12, 80, 185, 93, Panel, "", true},
    {"Label7", "Frame7", 4, 12, 177, 73, Label, "STAGE CLEAR!!", false, kBanner},
    {"Command4", "Frame4", 12, 176, 185, 25, Button, "現在のプレイをリプレイ保存する"},
    {"Command6", "Frame4", 12, 204, 185, 25, Button, "保存してあるリプレイを再生する"},
    {"Frame5", "Form1", 616, 240, 209, 237, Frame, "", true},
    {"Picture1", "Frame5", 4, 12, 200, 120, Picture},
    {"Frame2", "Frame5", 8, 136, 89, 65, Frame, "左クリック"},
    {"Picture2", "Frame2", 24, 16, 40, 40, Picture},
    {"Frame3", "Frame5", 112, 136, 89, 65, Frame, "右クリック"},
    {"Picture3", "Frame3", 24, 16, 40, 40, Picture},
    {"Command1", "Frame5", 8, 204, 193, 25, Button, "ステージデータ　セーブ"},
    {"Command3", "Form1", 616, 492, 209, 25, Button, "ステージエディット"},
    {"Command9", "Form1", 616, 524, 209, 25, Button, "ステージデータ操作", true},
    {"Command7", "Form1", 616, 584, 209, 25, Button, "バージョン情報"},
    {"Frame6", "Form1", 616, 4, 209, 605, Panel, "リプレイ再生中", true},
    {"Command8", "Frame6", 28, 36, 145, 537, Button, "リプレイ停止"},
});

constexpr std::array kStageOperations = std::to_array<ControlPlace>({
    {"Form2", "", 0, 0, 443, 501, Window, "ステージデータ操作"},
    {"Frame1", "Form2", 8, 8, 209, 329, Frame, "ターゲットＡ"},
    {"Option1(0)", "Frame1", 8, 20, 33, 25, StageOption, "01"},
    {"Option1(1)", "Frame1", 48, 20, 33, 25, StageOption, "02"},
    {"Option1(2)", "Frame1", 88, 20, 33, 25, StageOption, "03"},
    {"Option1(3)", "Frame1", 128, 20, 33, 25, StageOption, "04"},
    {"Option1(4)", "Frame1", 168, 20, 33, 25, StageOption, "05"},
    {"Option1(5)", "Frame1", 8, 48, 33, 25, StageOption, "06"},
    {"Option1(6)", "Frame1", 48, 48, 33, 25, StageOption, "07"},
    {"Option1(7)", "Frame1", 88, 48, 33, 25, StageOption, "08"},
    {"Option1(8)", "Frame1", 128, 48, 33, 25, StageOption, "09"},
    {"Option1(9)", "Frame1", 168, 48, 33, 25, StageOption, "10"},
    {"Label1", "Frame1", 8, 84, 61, 13, Label, "ステージ名"},
    {"Text1(0)", "Frame1", 8, 96, 193, 22, NameBox, "", false, {}, {}, "Label1"},
    // Stands on the dialog itself, in front of the frame whose area it lies in.
    {"Picture1(0)", "Form2", 16, 132, 195, 195, Picture, "", false, kPreview},
    {"Frame2", "Form2", 224, 8, 209, 329, Frame, "ターゲットＢ"},
    {"Option1(10)", "Frame2", 8, 20, 33, 25, StageOption, "01"},
    {"Option1(11)", "Frame2", 48, 20, 33, 25, StageOption, "02"},
    {"Option1(12)", "Frame2", 88, 20, 33, 25, StageOption, "03"},
    {"Option1(13)", "Frame2", 128, 20, 33, 25, StageOption, "04"},
    {"Option1(14)", "Frame2", 168, 20, 33, 25, StageOption, "05"},
    {"Option1(15)", "Frame2", 8, 48, 33, 25, StageOption, "06"},
    {"Option1(16)", "Frame2", 48, 48, 33, 25, StageOption, "07"},
    {"Option1(17)", "Frame2", 88, 48, 33, 25, StageOption, "08"},
    {"Option1(18)", "Frame2", 128, 48, 33, 25, StageOption, "09"},
    {"Option1(19)", "Frame2", 168, 48, 33, 25, StageOption, "10"},
    {"Label2", "Frame2", 8, 84, 61, 13, Label, "ステージ名"},
    {"Text1(1)", "Frame2", 8, 96, 193, 22, NameBox, "", false, {}, {}, "Label2"},
    {"Picture1(1)", "Frame2", 8, 124, 195, 195, Picture, "", false, kPreview},
    {"Frame3", "Form2", 8, 344, 425, 117, Frame, "動作"},
    {"Option2", "Frame3", 12, 20, 397, 21, Radio,
     "『ターゲットＡ』のステージを『ターゲットＢ』のステージの後ろに移動する"},
    {"Option3", "Frame3", 12, 44, 397, 21, Radio,
     "『ターゲットＡ』のステージと『ターゲットＢ』のステージを入れ替える"},
    {"Option4", "Frame3", 12, 68, 397, 21, Radio,
     "『ターゲットＡ』のステージを『ターゲットＢ』のステージ上にコピーする"},
    {"Option5", "Frame3", 12, 92, 397, 21, Radio, "『ターゲットＡ』のステージを削除する"},
    {"Command1", "Form2", 8, 468, 209, 25, Button, "実行"},
    {"Command2", "Form2", 224, 468, 209, 25, Button, "閉じる"},
});

constexpr std::array kAboutBox = std::to_array<ControlPlace>({
    {"frmAbout", "", 0, 0, 295, 220, Window, "バージョン情報"},
    {"picIcon", "frmAbout", 12, 12, 32, 32, Icon},
    {"lblTitle", "frmAbout", 56, 20, 219, 15, Label, "Vantoki　Ver " VANTOKI_MAJOR_MINOR_VERSION,
     false, kAboutTitle},
    {"Frame1", "frmAbout", 12, 68, 273, 81, Frame},
    {"Label1", "Frame1", 12, 16, 87, 11, Label, "作者　：", false, kRightAligned},
    {"Label2", "Frame1", 104, 16, 103, 11, Label, kMakerName},
    {"lblDescription", "Frame1", 12, 36, 87, 11, Label, "ホームページ　：", false, kRightAligned},
    {"Label3", "Frame1", 104, 36, 75, 15, Link, kMakerWebPage},
    {"Label4", "Frame1", 12, 56, 87, 11, Label, "メール　：", false, kRightAligned},
    {"Label5", "Frame1", 104, 56, 59, 15, Link, kMakerMailAddress},
    {"Command2", "frmAbout", 192, 160, 93, 21, Button, "ヘルプ"},
    {"Command1", "frmAbout", 192, 188, 93, 21, Button, "閉じる"},
});

// A message box fits itself to its text, so its table gives no places: the text, and the buttons
// in the order they stand, of which each kind of message shows its own.
constexpr std::array kMessageBox = std::to_array<ControlPlace>({
    {"MessageBox", "", 0, 0, 0, 0, Window},
    {"messageText", "MessageBox", 0, 0, 0, 0, Label},
    {"okButton", "MessageBox", 0, 0, 0, 0, Button, "OK"},
    {"yesButton", "MessageBox", 0, 0, 0, 0, Button, "はい"},
    {"noButton", "MessageBox", 0, 0, 0, 0, Button, "いいえ"},
    {"cancelButton", "MessageBox", 0, 0, 0, 0, Button, "キャンセル"},
});

// The game's own file dialog, as it opens a file; saving says so in its title and its button.
constexpr std::array kFileChooser = std::to_array<ControlPlace>({
    {"FileChooser", "", 0, 0, 640, 392, Window, "開く"},
    {"folderLabel", "FileChooser", 8, 12, 56, 20, Label, "場所："},
    {"folderLine", "FileChooser", 64, 10, 504, 24, TextBox, "", false, {}, {}, "folderLabel"},
    {"upButton", "FileChooser", 576, 10, 56, 24, Button, "上へ", false, {}, "一つ上のフォルダーへ"},
    {"placeList", "FileChooser", 8, 42, 152, 250, ListBox},
    {"entryList", "FileChooser", 168, 42, 464, 250, ListBox},
    {"problemLine", "FileChooser", 8, 296, 624, 20, Label},
    {"nameLabel", "FileChooser", 8, 326, 112, 20, Label, "ファイル名："},
    {"nameBox", "FileChooser", 120, 324, 408, 24, TextBox, "", false, {}, {}, "nameLabel"},
    {"chooseButton", "FileChooser", 536, 324, 96, 24, DefaultButton, "開く"},
    {"typeLabel", "FileChooser", 8, 358, 112, 20, Label, "ファイルの種類："},
    {"typeBox", "FileChooser", 120, 356, 408, 24, List, "", false, {}, {}, "typeLabel"},
    {"cancelButton", "FileChooser", 536, 356, 96, 24, Button, "キャンセル"},
});

}  // namespace

std::span<const ControlPlace> mainWindowLayout() {
  return kMainWindow;
}

std::span<const ControlPlace> stageOperationsLayout() {
  return kStageOperations;
}

std::span<const ControlPlace> aboutBoxLayout() {
  return kAboutBox;
}

std::span<const ControlPlace> messageBoxLayout() {
  return kMessageBox;
}

std::span<const ControlPlace> fileChooserLayout() {
  return kFileChooser;
}

std::span<const ControlPlace> layoutOf(std::string_view window) {
  for (const std::span<const ControlPlace> layout :
       {mainWindowLayout(), stageOperationsLayout(), aboutBoxLayout(), messageBoxLayout(),
        fileChooserLayout()}) {
    if (layout.front().name == window) {
      return layout;
    }
  }
  return {};
}

std::string arrayName(std::string_view name, int index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

const ControlPlace& placeOf(std::span<const ControlPlace> layout, std::string_view name) {
  for (const ControlPlace& place : layout) {
    if (place.name == name) {
      return place;
    }
  }
  std::fprintf(stderr, "the layout table has no control named %.*s\n",
               static_cast<int>(name.size()), name.data());
  std::abort();
}

}  // namespace vantoki
