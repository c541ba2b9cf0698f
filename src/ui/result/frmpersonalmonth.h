#pragma once
// frmPersonalMonth: shows one result read-only. Loaded and shown by the main window's Next,
// which then has the text written with ShowPersonalMonthResult. Unloading (Back or close box)
// shows the exit screen; Back unloads it, shows the main window and hides the exit screen
// again. Any change of the display box, and any click, press, release or pointer movement over
// it, empties the clipboard.
#include <QPlainTextEdit>
#include <QWidget>

#include "ui/appcontext.h"
#include "ui/form.h"

class QPushButton;

namespace ui {

class frmPersonalMonth : public FormWindow<QWidget> {
    Q_OBJECT
public:
    explicit frmPersonalMonth(AppContext& context);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdback_Click();

    QPlainTextEdit* txtDisplay() const { return m_txtDisplay; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What each of the box's Change, Click, MouseDown, MouseMove and MouseUp does.
    void clearClipboard();

    AppContext& m_context;
    QPlainTextEdit* m_txtDisplay = nullptr;
    QPushButton* m_cmdback = nullptr;
    bool m_mousePressed = false;  // a release completes a click only after a press
};

// Writes the result text for number into the form's display box: four insertions at the
// caret, then the caret to the start.
void ShowPersonalMonthResult(int number, frmPersonalMonth& form);

}  // namespace ui
