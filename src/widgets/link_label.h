// A label that reads as a link, as the About box shows the maker's addresses: blue, underlined,
// a pointing hand over it. It reports a click of the left button released over it.
#pragma once

#include <QLabel>

namespace vantoki {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vantoki
