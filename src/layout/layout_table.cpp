#include "layout/layout_table.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace vantoki {
namespace {

constexpr std::array kMainWindow = std::to_array<ControlPlace>({
    {"Form1", "", 0, 0, 833, 613},
    {"MapPic", "Form1", 8, 8, 600, 600},
    {"Command2", "Form1", 616, 8, 209, 25},
    {"Label4", "Form1", 616, 44, 205, 13},
    {"Text2", "Form1", 616, 56, 209, 22},
    {"Frame1", "Form1", 616, 92, 209, 133},
    {"Option1(0)", "Frame1", 8, 24, 33, 25},
    {"Option1(1)", "Frame1", 48, 24, 33, 25},
    {"Option1(2)", "Frame1", 88, 24, 33, 25},
    {"Option1(3)", "Frame1", 128, 24, 33, 25},
    {"Option1(4)", "Frame1", 168, 24, 33, 25},
    {"Option1(5)", "Frame1", 8, 52, 33, 25},
    {"Option1(6)", "Frame1", 48, 52, 33, 25},
    {"Option1(7)", "Frame1", 88, 52, 33, 25},
    {"Option1(8)", "Frame1", 128, 52, 33, 25},
    {"Option1(9)", "Frame1", 168, 52, 33, 25},
    {"Label1", "Frame1", 8, 88, 61, 13},
    {"Text1", "Frame1", 8, 100, 193, 22},
    {"Frame4", "Form1", 616, 240, 209, 237},
    {"Label2", "Frame4", 64, 20, 81, 13},
    {"Label5", "Frame4", 64, 36, 33, 13},
    {"Label6", "Frame4", 92, 36, 21, 13},
    {"Label3", "Frame4", 112, 36, 33, 13},
    {"Command5(0)", "Frame4", 12, 20, 25, 29},
    {"Command5(1)", "Frame4", 40, 20, 25, 29},
    {"Command5(2)", "Frame4", 144, 20, 25, 29},
    {"Command5(3)", "Frame4", 172, 20, 25, 29},
    {"Label8", "Frame4", 16, 60, 85, 13},
    {"Combo1", "Frame4", 104, 56, 93, 20},
    {"Picture4(1)", "Frame4", 84, 80, 40, 40},
    {"Picture4(0)", "Frame4", 40, 104, 40, 40},
    {"Picture4(2)", "Frame4", 128, 104, 40, 40},
    {"Picture4(3)", "Frame4", 84, 128, 40, 40},
    {"Frame7", "Frame4", 12, 80, 185, 93},
    {"Label7", "Frame7", 4, 12, 177, 73},
    {"Command4", "Frame4", 12, 176, 185, 25},
    {"Command6", "Frame4", 12, 204, 185, 25},
    {"Frame5", "Form1", 616, 240, 209, 237},
    {"Picture1", "Frame5", 4, 12, 200, 120},
    {"Frame2", "Frame5", 8, 136, 89, 65},
    {"Picture2", "Frame2", 24, 16, 40, 40},
    {"Frame3", "Frame5", 112, 136, 89, 65},
    {"Picture3", "Frame3", 24, 16, 40, 40},
    {"Command1", "Frame5", 8, 204, 193, 25},
    {"Command3", "Form1", 616, 492, 209, 25},
    {"Command9", "Form1", 616, 524, 209, 25},
    {"Command7", "Form1", 616, 584, 209, 25},
    {"Frame6", "Form1", 616, 4, 209, 605},
    {"Command8", "Frame6", 28, 36, 145, 537},
});

constexpr std::array kStageOperations = std::to_array<ControlPlace>({
    {"Form2", "", 0, 0, 443, 501},
    {"Frame1", "Form2", 8, 8, 209, 329},
    {"Option1(0)", "Frame1", 8, 20, 33, 25},
    {"Option1(1)", "Frame1", 48, 20, 33, 25},
    {"Option1(2)", "Frame1", 88, 20, 33, 25},
    {"Option1(3)", "Frame1", 128, 20, 33, 25},
    {"Option1(4)", "Frame1", 168, 20, 33, 25},
    {"Option1(5)", "Frame1", 8, 48, 33, 25},
    {"Option1(6)", "Frame1", 48, 48, 33, 25},
    {"Option1(7)", "Frame1", 88, 48, 33, 25},
    {"Option1(8)", "Frame1", 128, 48, 33, 25},
    {"Option1(9)", "Frame1", 168, 48, 33, 25},
    {"Label1", "Frame1", 8, 84, 61, 13},
    {"Text1(0)", "Frame1", 8, 96, 193, 22},
    // Stands on the dialog itself, in front of the frame whose area it lies in.
    {"Picture1(0)", "Form2", 16, 132, 195, 195},
    {"Frame2", "Form2", 224, 8, 209, 329},
    {"Option1(10)", "Frame2", 8, 20, 33, 25},
    {"Option1(11)", "Frame2", 48, 20, 33, 25},
    {"Option1(12)", "Frame2", 88, 20, 33, 25},
    {"Option1(13)", "Frame2", 128, 20, 33, 25},
    {"Option1(14)", "Frame2", 168, 20, 33, 25},
    {"Option1(15)", "Frame2", 8, 48, 33, 25},
    {"Option1(16)", "Frame2", 48, 48, 33, 25},
    {"Option1(17)", "Frame2", 88, 48, 33, 25},
    {"Option1(18)", "Frame2", 128, 48, 33, 25},
    {"Option1(19)", "Frame2", 168, 48, 33, 25},
    {"Label2", "Frame2", 8, 84, 61, 13},
    {"Text1(1)", "Frame2", 8, 96, 193, 22},
    {"Picture1(1)", "Frame2", 8, 124, 195, 195},
    {"Frame3", "Form2", 8, 344, 425, 117},
    {"Option2", "Frame3", 12, 20, 397, 21},
    {"Option3", "Frame3", 12, 44, 397, 21},
    {"Option4", "Frame3", 12, 68, 397, 21},
    {"Option5", "Frame3", 12, 92, 397, 21},
    {"Command1", "Form2", 8, 468, 209, 25},
    {"Command2", "Form2", 224, 468, 209, 25},
});

constexpr std::array kAboutBox = std::to_array<ControlPlace>({
    {"frmAbout", "", 0, 0, 295, 220},
    {"picIcon", "frmAbout", 12, 12, 32, 32},
    {"lblTitle", "frmAbout", 56, 20, 219, 15},
    {"Frame1", "frmAbout", 12, 68, 273, 81},
    {"Label1", "Frame1", 12, 16, 87, 11},
    {"Label2", "Frame1", 104, 16, 103, 11},
    {"lblDescription", "Frame1", 12, 36, 87, 11},
    {"Label3", "Frame1", 104, 36, 75, 15, true},
    {"Label4", "Frame1", 12, 56, 87, 11},
    {"Label5", "Frame1", 104, 56, 59, 15, true},
    {"Command2", "frmAbout", 192, 160, 93, 21},
    {"Command1", "frmAbout", 192, 188, 93, 21},
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
