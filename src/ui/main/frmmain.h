#pragma once
// frmMain: the input window. Loaded once by start-up (Form_Load: update reminder, fill the
// three lists); Next validates, hides this window and shows frmPersonalMonth with the
// reading; the menus and link labels call modHelp; leaving shows frmExitScreen.
//   names + birth-date lists -> ValidateDetails (core::ValidateBirthDetails) -> message box
//   Next -> frmPersonalMonth <- ShowPersonalMonthResult(core::CalculatePersonalMonth(...))
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

    // Shows one message for the first failing check; false when one failed.
    bool ValidateDetails();
    void cmdNext_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    // Help > About Software: frmAbout, modal; returns when it is closed.
    void mnuAbout_Click();

    LinkLabel* lblCobrand() const { return m_lblCobrand; }
    LinkLabel* lblFullBrand() const { return m_lblFullBrand; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
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
    LinkLabel* m_forumLink = nullptr;
    LinkLabel* m_lblCobrand = nullptr;
    LinkLabel* m_lblFullBrand = nullptr;
    bool m_shownBefore = false;
};

}  // namespace ui
