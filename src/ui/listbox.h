#pragma once
#include <QComboBox>

namespace ui {

// A drop-down list in the house colours, the open list as well. Its style sheet hides the
// style's own arrow, so the white arrow is painted here: an arrow image would make the first
// paint load the SVG module and the image plugins, half a megabyte, for eight by five pixels.
class ListBox : public QComboBox {
public:
    explicit ListBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
