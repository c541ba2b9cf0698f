#pragma once
// frmMain: the input window. Loaded once by start-up (Form_Load: update reminder, fill the
// three lists); Next validates, hides this window and has the result window show the reading;
// the menus and link labels call modHelp; leaving shows the exit screen. Other windows are
// reached through Navigation only.
//   names + birth-date lists -> ValidateDetails (core::ValidateBirthDetails) -> message box
//   Next -> Navigation::showResult(core::CalculatePersonalMonth(...))
#include <QMainWindow>

#include "ui/appcontext.h"
#include "ui/form.h"
#include "ui/linklabel.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace ui {

class frmMain : public FormWindow<QMainWindow> {
    Q_OBJECT
public:
    explicit frmMain(AppContext& context);

    void Form_Load() override;
    void Form_Unload() override;

    // The two overlapping offers, which start-up brings to the front by its draw.
    LinkLabel* lblCobrand() const { return m_lblCobrand; }
    LinkLabel* lblFullBrand() const { return m_lblFullBrand; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    // Shows one message for the first failing check; false when one failed.
    bool ValidateDetails();
    void cmdNext_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    void mnuAbout_Click();
    // Typed a-z becomes A-Z before it reaches the name box; true when the key was replaced.
    bool txtName_KeyPress(QObject* box, QKeyEvent* event);

    AppContext& m_context;
    QLineEdit* m_txtFirstName = nullptr;
    QLineEdit* m_txtMiddleName = nullptr;
    QLineEdit* m_txtLastName = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboYear = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdExit = nullptr;
    LinkLabel* m_lblCobrand = nullptr;
    LinkLabel* m_lblFullBrand = nullptr;
    bool m_shownBefore = false;
};

}  // namespace ui
