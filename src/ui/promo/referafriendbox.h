#pragma once
// The exit screen's Refer A Friend frame: five text boxes with placeholders, the space filter
// of the two address boxes, and the submit button.
//   text boxes -> GotFocus / LostFocus (placeholders); txtEmail, txtFriendEmail -> KeyPress
//   cmdSubmit -> shell::modTellAFriend::storeFields -> CheckReferralAddresses -> SendReferral
#include <QGroupBox>
#include <QList>
#include <vector>

#include "shell/modtellafriend.h"

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {

class ReferAFriendBox : public QGroupBox {
    Q_OBJECT
public:
    // Placed at its left-to-right rectangle in the parent before its controls are placed in it.
    ReferAFriendBox(shell::modHelp& help, platform::MessageBoxService& messages, QWidget* parent, const QRect& place);

    void cmdSubmit_Click();

    // The frame's controls in the order the Tab key visits them.
    QList<QWidget*> tabOrder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PlaceholderBox {
        QWidget* box;
        QString placeholder;
    };

    void clearPlaceholder(const PlaceholderBox& box);
    void restorePlaceholder(const PlaceholderBox& box);
    // txtEmail and txtFriendEmail: true when the key press was a typed space, now refused.
    bool refuseSpace(QWidget* box, const QKeyEvent& event);

    platform::MessageBoxService& m_messages;
    shell::modTellAFriend m_tellAFriend;

    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtEmail = nullptr;
    QLineEdit* m_txtFriendName = nullptr;
    QLineEdit* m_txtFriendEmail = nullptr;
    QPushButton* m_cmdSubmit = nullptr;
    QPlainTextEdit* m_txtMessage = nullptr;
    std::vector<PlaceholderBox> m_placeholderBoxes;
};

// The message box's text as the form sends it: each line break read back as CR LF.
QString MessageBoxText(const QPlainTextEdit& box);

}  // namespace ui
