// The file dialog's model without a window: what a typed name comes to, in a real folder whose
// names are partly code page 932, and which place the folder shown is. Choosing entries is driven
// through the dialog's own test.
#include "dialogs/file_chooser_model.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "io_test_files.h"

namespace vantoki {
namespace {

// "フォルダ" in code page 932.
const std::string kShiftJisFolder = "\x83\x74\x83\x48\x83\x8b\x83\x5f";
const FileFilter kFilter{"Vantoki　ステージデータ (*.vkst)", "*.vkst"};

class FileChooserModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir / kShiftJisFolder);
    writeBytes(dir / "b.vkst", "");
  }

  // The bytes of a path in the temporary folder, or of the folder itself.
  std::string inDir(const std::string& below) const {
    return below.empty() ? dir.path().native() : dir.path().native() + "/" + below;
  }

  TempDir dir;
};

struct TypedName {
  const char* what;
  std::string typed;
  FileChooserPurpose purpose;
  ChoiceOutcome outcome;
  std::string pathInDir;  // the answer or the folder entered, below the temporary folder
};

void PrintTo(const TypedName& name, std::ostream* out) {
  *out << name.what << (name.purpose == FileChooserPurpose::Open ? " to open" : " to save");
}

class FileChooserTypedNameTest : public FileChooserModelTest,
                                 public ::testing::WithParamInterface<TypedName> {};

TEST_P(FileChooserTypedNameTest, ComesToWhatAPlayerExpects) {
  const TypedName& name = GetParam();
  FileChooserModel model(name.purpose, kFilter, {dir.path(), {}});
  // "{dir}" stands for the temporary folder, to type an absolute path.
  std::string typed = name.typed;
  if (typed.starts_with("{dir}")) {
    typed.replace(0, 5, dir.path().native());
  }
  const FileChoice choice = model.chooseTyped(typed);
  EXPECT_EQ(choice.outcome, name.outcome);
  if (name.outcome == ChoiceOutcome::EnteredFolder) {
    EXPECT_EQ(model.folder().native(), inDir(name.pathInDir));
  } else if (name.outcome != ChoiceOutcome::Nothing) {
    EXPECT_EQ(choice.path.native(), inDir(name.pathInDir));
  }
}

constexpr auto kOpen = FileChooserPurpose::Open;
constexpr auto kSave = FileChooserPurpose::Save;

INSTANTIATE_TEST_SUITE_P(
    Table, FileChooserTypedNameTest,
    ::testing::Values(
        TypedName{"a file", "b.vkst", kOpen, ChoiceOutcome::Chosen, "b.vkst"},
        TypedName{"an absolute path", "{dir}/b.vkst", kOpen, ChoiceOutcome::Chosen, "b.vkst"},
        TypedName{"no file", "missing.vkst", kOpen, ChoiceOutcome::NoSuchFile, "missing.vkst"},
        TypedName{"a new file", "missing.vkst", kSave, ChoiceOutcome::Chosen, "missing.vkst"},
        TypedName{"no folder", "new/", kSave, ChoiceOutcome::NoSuchFile, "new/"},
        TypedName{"a folder as it shows", "フォルダ", kSave, ChoiceOutcome::EnteredFolder,
                  kShiftJisFolder},
        TypedName{"a folder's bytes", kShiftJisFolder + "/", kOpen, ChoiceOutcome::EnteredFolder,
                  kShiftJisFolder},
        TypedName{"a folder's parent", "{dir}/" + kShiftJisFolder + "/..", kOpen,
                  ChoiceOutcome::EnteredFolder, ""},
        TypedName{"nothing", "", kOpen, ChoiceOutcome::Nothing, ""}));

// Places given however their paths are spelled are known again wherever the player goes.
TEST_F(FileChooserModelTest, KnowsThePlaceOfTheFolderShown) {
  std::filesystem::create_directories(dir / "game" / "sub");
  FileChooserModel model(kOpen, kFilter,
                         {dir.path(),
                          {{"自分のフォルダー", dir.path().native() + "/"},
                           {"ゲームのフォルダー", dir / kShiftJisFolder / ".." / "game" / "."}}});
  EXPECT_EQ(model.placeShown(), 0u);
  model.goToPlace(1);
  EXPECT_EQ(model.folder().native(), inDir("game"));
  EXPECT_EQ(model.placeShown(), 1u);
  ASSERT_EQ(model.listing().entries.size(), 1u);
  EXPECT_EQ(model.listing().entries[0].name, "sub");
  EXPECT_EQ(model.chooseEntry(0).outcome, ChoiceOutcome::EnteredFolder);
  EXPECT_EQ(model.placeShown(), std::nullopt);
  model.goUp();
  EXPECT_EQ(model.placeShown(), 1u);
  model.goUp();
  EXPECT_EQ(model.placeShown(), 0u);
}

}  // namespace
}  // namespace vantoki
