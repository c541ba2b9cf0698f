#pragma once
// frmExitScreen: the last window. Shown by frmMain's and frmPersonalMonth's unload; its Exit
// button and its own closing end the program through EndProgram. Carries the Refer A Friend
// form (modTellAFriend).
//   Form_Load -> random line for Label2; Check1 / lblGoToHome -> modHelp pages;
//   cmdSubmit -> modTellAFriend -> LaunchWebPage; text boxes -> placeholders, space filter.
#include <QStringList>
#include <QWidget>
#include <vector>

#include "ui/form.h"
#include "ui/main/appcontext.h"
#include "ui/promo/modtellafriend.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {

class frmExitScreen : public FormWindow<QWidget> {
    Q_OBJECT
public:
    explicit frmExitScreen(AppContext& context);

    void Form_Load() override;
    void Form_Unload() override;

    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct PlaceholderBox {
        QWidget* box;
        QString placeholder;
    };

    void buildControls();
    void buildTabOrder();
    void TextBox_GotFocus(const PlaceholderBox& box);
    void TextBox_LostFocus(const PlaceholderBox& box);
    // txtEmail and txtFriendEmail: true when the key press was a typed space, now refused.
    bool AddressBox_KeyPress(QWidget* box, const QKeyEvent& event);

    AppContext& m_context;
    modTellAFriend m_tellAFriend;
    bool m_placed = false;

    QLabel* m_Label2 = nullptr;
    QCheckBox* m_Check1 = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QPushButton* m_cmdSubmit = nullptr;
    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtEmail = nullptr;
    QLineEdit* m_txtFriendName = nullptr;
    QLineEdit* m_txtFriendEmail = nullptr;
    QPlainTextEdit* m_txtMessage = nullptr;
    std::vector<PlaceholderBox> m_placeholderBoxes;
};

// The four promotional lines of Label2, naming the maker's main site.
const QStringList& PromotionalLines();
// floor(4 r), kept within 0..3.
int PromotionalLineIndex(float r);

// The message box's text as the form sends it: each line break read back as CR LF.
QString MessageBoxText(const QPlainTextEdit& box);

}  // namespace ui
