#include "dialogs/file_chooser_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "widgets/controls.h"

namespace vantoki {
namespace {

constexpr ControlPlace kFileChooserLayout[] = {
    {"FileChooser", "", 0, 0, 640, 392},
    {"folderLabel", "FileChooser", 8, 12, 56, 20},
    {"folderLine", "FileChooser", 64, 10, 504, 24},
    {"upButton", "FileChooser", 576, 10, 56, 24},
    {"placeList", "FileChooser", 8, 42, 152, 250},
    {"entryList", "FileChooser", 168, 42, 464, 250},
    {"problemLine", "FileChooser", 8, 296, 624, 20},
    {"nameLabel", "FileChooser", 8, 326, 112, 20},
    {"nameBox", "FileChooser", 120, 324, 408, 24},
    {"chooseButton", "FileChooser", 536, 324, 96, 24},
    {"typeLabel", "FileChooser", 8, 358, 112, 20},
    {"typeBox", "FileChooser", 120, 356, 408, 24},
    {"cancelButton", "FileChooser", 536, 356, 96, 24},
};

constexpr int kAllFilesType = 1;

}  // namespace

FileChooserDialog::FileChooserDialog(FileChooserPurpose purpose, const FileFilter& filter,
                                     const DialogFolders& folders, Platform& platform,
                                     QWidget* parent)
    : QDialog(parent), model_(purpose, filter, folders), platform_(platform) {
  LayoutBuilder layout(this, kFileChooserLayout);
  const bool opening = purpose == FileChooserPurpose::Open;
  setWindowTitle(opening ? "開く" : "名前を付けて保存");
  setModal(true);

  layout.label("folderLabel", "場所：");
  folderLine_ = layout.add<QLineEdit>("folderLine");
  setNameBoxLocked(folderLine_, true);
  QPushButton* up = layout.button("upButton", "上へ");
  up->setToolTip("一つ上のフォルダーへ");
  placeList_ = layout.add<QListWidget>("placeList");
  const QIcon placeIcon = style()->standardIcon(QStyle::SP_DirIcon);
  for (const FolderPlace& place : model_.places()) {
    new QListWidgetItem(placeIcon, fromView(place.name), placeList_);
  }
  entryList_ = layout.add<QListWidget>("entryList");
  problemLine_ = layout.label("problemLine", "");
  layout.label("nameLabel", "ファイル名：");
  nameBox_ = layout.add<QLineEdit>("nameBox");
  QPushButton* choose = layout.button("chooseButton", opening ? "開く" : "保存");
  // Return in the name box or the list comes here.
  choose->setDefault(true);
  layout.label("typeLabel", "ファイルの種類：");
  auto* types = layout.add<QComboBox>("typeBox");
  types->addItems({fromView(filter.description), "すべてのファイル (*)"});
  QPushButton* cancel = layout.button("cancelButton", "キャンセル");

  connect(up, &QPushButton::clicked, this, [this] {
    model_.goUp();
    showFolder();
  });
  connect(placeList_, &QListWidget::currentRowChanged, this, [this](int place) {
    if (place >= 0) {
      model_.goToPlace(place);
      showFolder();
    }
  });
  connect(types, &QComboBox::currentIndexChanged, this, [this](int type) {
    model_.showAllFiles(type == kAllFilesType);
    showFolder();
  });
  connect(entryList_, &QListWidget::itemSelectionChanged, this, [this] {
    const std::optional<int> row = selectedRow();
    if (row && !model_.listing().entries[*row].isFolder) {
      nameBox_->setText(fromView(model_.listing().entries[*row].shown));
    }
  });
  connect(entryList_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { follow(model_.chooseEntry(entryList_->row(item))); });
  connect(choose, &QPushButton::clicked, this, &FileChooserDialog::chooseFromNameOrList);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  showFolder();
  nameBox_->setFocus();
}

void FileChooserDialog::showFolder() {
  folderLine_->setText(fromView(model_.shownFolder()));
  {
    // Showing where the dialog is, not going anywhere.
    const QSignalBlocker quiet(placeList_);
    const std::optional<std::size_t> place = model_.placeShown();
    placeList_->setCurrentRow(place ? static_cast<int>(*place) : -1);
  }
  problemLine_->setText(fromView(model_.listing().problem));
  entryList_->clear();
  const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
  const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
  for (const FolderEntry& entry : model_.listing().entries) {
    new QListWidgetItem(entry.isFolder ? folderIcon : fileIcon, fromView(entry.shown), entryList_);
  }
}

std::optional<int> FileChooserDialog::selectedRow() const {
  const QListWidgetItem* item = entryList_->currentItem();
  if (item == nullptr || !item->isSelected()) {
    return std::nullopt;
  }
  return entryList_->row(item);
}

void FileChooserDialog::chooseFromNameOrList() {
  const std::optional<int> row = selectedRow();
  const QString typed = nameBox_->text();
  if (row && (entryList_->hasFocus() || typed == fromView(model_.listing().entries[*row].shown))) {
    follow(model_.chooseEntry(*row));
    return;
  }
  const FileChoice choice = model_.chooseTyped(typed.toStdString());
  if (choice.outcome == ChoiceOutcome::EnteredFolder) {
    nameBox_->clear();
  }
  follow(choice);
}

void FileChooserDialog::follow(const FileChoice& choice) {
  switch (choice.outcome) {
    case ChoiceOutcome::Chosen:
      chosen_ = choice.path;
      accept();
      break;
    case ChoiceOutcome::EnteredFolder:
      showFolder();
      break;
    case ChoiceOutcome::NoSuchFile:
      platform_.showMessage("ファイルが見つかりません。ファイル名を確かめてください。",
                            windowTitle().toStdString(), MessageButtons::Ok);
      nameBox_->setFocus();
      nameBox_->selectAll();
      break;
    case ChoiceOutcome::Nothing:
      break;
  }
}

std::optional<std::filesystem::path> runFileChooserDialog(FileChooserPurpose purpose,
                                                          const FileFilter& filter,
                                                          const DialogFolders& folders,
                                                          Platform& platform, QWidget* owner) {
  FileChooserDialog dialog(purpose, filter, folders, platform, owner);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.chosenPath();
}

}  // namespace vantoki
