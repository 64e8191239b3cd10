#include "dialogs/file_chooser_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "dialogs/file_chooser_texts.h"
#include "widgets/controls.h"

namespace vantoki {
namespace {

constexpr int kAllFilesTypeIndex = 1;

}  // namespace

FileChooserDialog::FileChooserDialog(FileChooserPurpose purpose, const FileFilter& filter,
                                     const DialogFolders& folders, Platform& platform,
                                     QWidget* parent)
    : QDialog(parent), model_(purpose, filter, folders), platform_(platform) {
  LayoutBuilder layout(this, fileChooserLayout());
  layout.buildEveryControl();
  setWindowTitle(fromView(chooserTitle(purpose)));
  setModal(true);

  folderLine_ = layout.control<QLineEdit>("folderLine");
  setNameBoxLocked(folderLine_, true);
  auto* up = layout.control<QPushButton>("upButton");
  placeList_ = layout.control<QListWidget>("placeList");
  const QIcon placeIcon = style()->standardIcon(QStyle::SP_DirIcon);
  for (const FolderPlace& place : model_.places()) {
    new QListWidgetItem(placeIcon, fromView(place.name), placeList_);
  }
  entryList_ = layout.control<QListWidget>("entryList");
  problemLine_ = layout.control<QLabel>("problemLine");
  nameBox_ = layout.control<QLineEdit>("nameBox");
  auto* choose = layout.control<QPushButton>("chooseButton");
  choose->setText(fromView(chooseCaption(purpose)));
  // Return in the name box or the list comes here.
  choose->setDefault(true);
  auto* types = layout.control<QComboBox>("typeBox");
  types->addItems({fromView(filter.description), fromView(kAllFilesType)});
  auto* cancel = layout.control<QPushButton>("cancelButton");

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
    model_.showAllFiles(type == kAllFilesTypeIndex);
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
      platform_.showMessage(std::string(kNoSuchFileMessage), windowTitle().toStdString(),
                            MessageButtons::Ok);
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
