#include "app/main_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/application_style.h"
#include "app/picture_box.h"
#include "app/qt_platform.h"
#include "view/game_speed.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"

namespace vantoki {
namespace {

const QColor kWindowColor(255, 255, 192);
const QColor kButtonColor(255, 192, 128);
const QColor kLockedTextColor(0, 192, 192);
const QColor kTurnLabelColor(255, 0, 0);
constexpr int kTickMilliseconds = 50;

QString arrayName(const char* name, int index) {
  return QString("%1(%2)").arg(name).arg(index);
}

template <typename Control>
Control* place(Control* control, const QString& name, int left, int top, int width, int height) {
  control->setObjectName(name);
  control->setGeometry(left, top, width, height);
  return control;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
  auto* control = place(new QPushButton(caption, parent), name, left, top, width, height);
  QPalette colors = control->palette();
  colors.setColor(QPalette::Button, kButtonColor);
  control->setPalette(colors);
  control->setAutoFillBackground(true);
  control->setFocusPolicy(Qt::NoFocus);
  return control;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
              int width, int height) {
  return place(new QLabel(caption, parent), name, left, top, width, height);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                 int width, int height) {
  auto* control = place(new QGroupBox(caption, parent), name, left, top, width, height);
  control->setAutoFillBackground(true);
  return control;
}

QLineEdit* nameBox(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* control = place(new QLineEdit(parent), name, left, top, width, height);
  control->setFont(gothicFont(12, true));
  control->setReadOnly(true);
  QPalette colors = control->palette();
  colors.setColor(QPalette::Base, kLockedTextColor);
  control->setPalette(colors);
  return control;
}

// The Gothic fonts of other systems draw Latin letters wider than the one the panel was laid out
// with; rather than cut the caption off, step the size down until it fits.
void shrinkToFit(QLabel* label) {
  QFont font = label->font();
  while (font.pointSizeF() > 8 &&
         QFontMetricsF(font).horizontalAdvance(label->text()) > label->width()) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  label->setFont(font);
}

}  // namespace

MainWindow::MainWindow(Platform* platform) : strips_(loadPictureStrips()) {
  if (platform == nullptr) {
    ownPlatform_ = std::make_unique<QtPlatform>(this, [this] { refresh(); });
    platform = ownPlatform_.get();
  }
  game_ = std::make_unique<Game>(strips_, *platform);
  buildWindow();
  connectHandlers();
  startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
  setObjectName("Form1");
  setWindowTitle("Vantoki");
  setWindowIcon(QIcon(QPixmap::fromImage(loadWindowIcon())));
  setFixedSize(833, 613);
  QPalette colors = palette();
  colors.setColor(QPalette::Window, kWindowColor);
  setPalette(colors);
  setAutoFillBackground(true);

  mapPic_ = place(new PictureBox(this), "MapPic", 8, 8, kBoardPixels, kBoardPixels);
  buildStageColumn();
  buildPlayPanel();
  buildEditorPanel();
  command3_ = button(this, "Command3", "ステージエディット", 616, 492, 209, 25);
  command9_ = button(this, "Command9", "ステージデータ操作", 616, 524, 209, 25);
  command9_->hide();
  button(this, "Command7", "バージョン情報", 616, 584, 209, 25);
  buildReplayPanel();

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setTimerType(Qt::PreciseTimer);
}

void MainWindow::buildStageColumn() {
  button(this, "Command2", "ステージデータ　ロード", 616, 8, 209, 25);
  label(this, "Label4", "データ名", 616, 44, 205, 13);
  text2_ = nameBox(this, "Text2", 616, 56, 209, 22);

  QGroupBox* frame1 = frame(this, "Frame1", "ステージ選択", 616, 92, 209, 133);
  option1_ = new QButtonGroup(this);
  option1_->setExclusive(true);
  for (int index = 0; index < kStageCount; ++index) {
    QPushButton* option =
        button(frame1, arrayName("Option1", index), QString("%1").arg(index + 1, 2, 10, QChar('0')),
               8 + 40 * (index % 5), index < 5 ? 24 : 52, 33, 25);
    option->setCheckable(true);
    option1_->addButton(option, index);
  }
  label(frame1, "Label1", "ステージ名", 8, 88, 61, 13);
  text1_ = nameBox(frame1, "Text1", 8, 100, 193, 22);
}

void MainWindow::buildPlayPanel() {
  frame4_ = frame(this, "Frame4", "", 616, 240, 209, 237);
  label(frame4_, "Label2", "ターン数", 64, 20, 81, 13);
  label5_ = label(frame4_, "Label5", "000", 64, 36, 33, 13);
  label(frame4_, "Label6", "／", 92, 36, 21, 13)->setAlignment(Qt::AlignHCenter);
  label3_ = label(frame4_, "Label3", "000", 112, 36, 33, 13);
  for (QLabel* turn : {label5_, label3_}) {
    QPalette colors = turn->palette();
    colors.setColor(QPalette::WindowText, kTurnLabelColor);
    turn->setPalette(colors);
  }
  const std::array<const char*, 4> historyCaptions = {"≪", "＜", "＞", "≫"};
  const std::array<int, 4> historyLefts = {12, 40, 144, 172};
  for (int index = 0; index < 4; ++index) {
    command5_[index] = button(frame4_, arrayName("Command5", index), historyCaptions[index],
                              historyLefts[index], 20, 25, 29);
  }
  label(frame4_, "Label8", "ゲームスピード", 16, 60, 85, 13);
  combo1_ = place(new QComboBox(frame4_), "Combo1", 104, 56, 93, 20);
  for (const std::string_view speed : kGameSpeedNames) {
    combo1_->addItem(QString::fromUtf8(speed.data(), static_cast<qsizetype>(speed.size())));
  }
  combo1_->setFocusPolicy(Qt::NoFocus);

  // The cross of direction buttons: left, up, right, down.
  const std::array<QPoint, 4> arrowPlaces = {QPoint(40, 104), QPoint(84, 80), QPoint(128, 104),
                                             QPoint(84, 128)};
  for (int index = 0; index < 4; ++index) {
    picture4_[index] = place(new PictureBox(frame4_), arrayName("Picture4", index),
                             arrowPlaces[index].x(), arrowPlaces[index].y(), 40, 40);
  }

  frame7_ = place(new QFrame(frame4_), "Frame7", 12, 80, 185, 93);
  frame7_->setAutoFillBackground(true);
  frame7_->setFrameShape(QFrame::Box);
  QLabel* clear = label(frame7_, "Label7", "STAGE CLEAR!!", 4, 12, 177, 73);
  clear->setAlignment(Qt::AlignCenter);
  clear->setFont(gothicFont(27.75, false));
  shrinkToFit(clear);
  frame7_->hide();

  button(frame4_, "Command4", "現在のプレイをリプレイ保存する", 12, 176, 185, 25);
  button(frame4_, "Command6", "保存してあるリプレイを再生する", 12, 204, 185, 25);
}

void MainWindow::buildEditorPanel() {
  frame5_ = frame(this, "Frame5", "", 616, 240, 209, 237);
  picture1_ = place(new PictureBox(frame5_), "Picture1", 4, 12, 200, 120);
  QGroupBox* frame2 = frame(frame5_, "Frame2", "左クリック", 8, 136, 89, 65);
  picture2_ = place(new PictureBox(frame2), "Picture2", 24, 16, 40, 40);
  QGroupBox* frame3 = frame(frame5_, "Frame3", "右クリック", 112, 136, 89, 65);
  picture3_ = place(new PictureBox(frame3), "Picture3", 24, 16, 40, 40);
  button(frame5_, "Command1", "ステージデータ　セーブ", 8, 204, 193, 25);
  frame5_->hide();
}

void MainWindow::buildReplayPanel() {
  frame6_ = frame(this, "Frame6", "リプレイ再生中", 0, 0, 209, 605);
  button(frame6_, "Command8", "リプレイ停止", 28, 36, 145, 537);
  frame6_->hide();
}

void MainWindow::connectHandlers() {
  connect(option1_, &QButtonGroup::idClicked, this, [this](int index) {
    game_->selectStage(index);
    refresh();
  });
  for (int index = 0; index < 4; ++index) {
    connect(picture4_[index], &PictureBox::mousePressed, this, [this, index](int button, QPointF) {
      game_->pressDirectionButton(index, button);
      refresh();
    });
    connect(picture4_[index], &PictureBox::mouseReleased, this,
            [this](int) { game_->releaseDirectionButton(); });
    connect(command5_[index], &QPushButton::clicked, this, [this, index] {
      game_->stepThroughHistory(static_cast<HistoryButton>(index));
      refresh();
    });
  }
  connect(combo1_, &QComboBox::currentIndexChanged, this,
          [this](int index) { game_->selectSpeed(index); });
  connect(picture1_, &PictureBox::mousePressed, this, [this](int button, QPointF position) {
    game_->pickPaletteTile(button, position.x(), position.y());
    refresh();
  });
  connect(timer1_, &QTimer::timeout, this, [this] {
    game_->tick();
    refresh();
  });
}

void MainWindow::startUp() {
  game_->startUp();
  for (int index = 0; index < 4; ++index) {
    picture4_[index]->setPicture(
        toQImage(strips_.chara)
            .copy((kFirstArrowPicture + index) * kCellPixels, 0, kCellPixels, kCellPixels));
  }
  timer1_->start(kTickMilliseconds);
  {
    const QSignalBlocker blocker(combo1_);
    combo1_->setCurrentIndex(kStandardSpeedIndex);
  }
  frame6_->move(616, 4);
  picture1_->setPicture(toQImage(game_->palettePicture()));
  refresh();
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void MainWindow::refresh() {
  const Game& game = *game_;
  if (game.boardPresentCount() != shownBoardPresent_) {
    shownBoardPresent_ = game.boardPresentCount();
    mapPic_->setPicture(toQImage(game.boardImage()));
  }
  label5_->setText(QString::fromStdString(game.currentTurnLabel()));
  label3_->setText(QString::fromStdString(game.lastTurnLabel()));
  frame7_->setVisible(game.stageClearShown());
  if (QAbstractButton* selected = option1_->button(game.currentStage()); !selected->isChecked()) {
    selected->setChecked(true);
  }
  const QString stageName = QString::fromStdString(game.stageSet().stageNames[game.currentStage()]);
  if (text1_->text() != stageName) {
    text1_->setText(stageName);
  }
  const QString dataSetName = QString::fromStdString(game.stageSet().dataSetName);
  if (text2_->text() != dataSetName) {
    text2_->setText(dataSetName);
  }
  picture2_->setPicture(toQImage(game.leftTilePicture()));
  picture3_->setPicture(toQImage(game.rightTilePicture()));
}

}  // namespace vantoki
