#pragma once
#include <QComboBox>

namespace ui {

// A drop-down list in the house colours, the open list as well (its picked entry on navy),
// drawn by LeanStyle.
//
// Its open list is made at the first opening. Qt makes it on every font change of the list, to
// give it the font, and the window sets the lists' font as it builds them: three open lists
// made at every start that are seldom opened.
class ListBox : public QComboBox {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool m_opened = false;
};

}  // namespace ui
