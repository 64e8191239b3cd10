// What the game model tells the window it shows: which part of the model changed. The window
// reads just that part back; it never re-reads the whole model.
#pragma once

namespace vantoki {

class GameView {
 public:
  virtual ~GameView() = default;

  // A batch of drawing on the board image is complete.
  virtual void boardPictureChanged() = 0;
  virtual void turnLabelsChanged() = 0;
  virtual void stageClearChanged() = 0;
  // The current stage, its name or the data set name.
  virtual void stageChanged() = 0;
  virtual void editorTilesChanged() = 0;
  virtual void editModeChanged() = 0;
  virtual void replayRunningChanged() = 0;
};

}  // namespace vantoki
