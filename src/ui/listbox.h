#pragma once
#include <QComboBox>

namespace ui {

// A drop-down list in the house colours, the open list as well, drawn by LeanStyle.
class ListBox : public QComboBox {
public:
    explicit ListBox(QWidget* parent = nullptr);
};

}  // namespace ui
