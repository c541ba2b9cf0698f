#include "platform/qtmessagebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace platform {

QString QtMessageBox::displayText(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

int QtMessageBox::titleWidth(const QString& title, const QFont& font)
{
    // The desktop draws the caption in a font of its own, usually bold, beside the window
    // icon and up to three buttons: room for four of those.
    constexpr int kTitleBarButtons = 4;
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + kTitleBarButtons * (metrics.height() + 12);
}

Qt::WindowFlags QtMessageBox::windowFlags(const QWidget* parent, Qt::WindowFlags flags)
{
    // Without a window of ours to sit on (a second copy's message, say), or above a window
    // that stays on top, the box would open hidden behind other windows.
    if (parent == nullptr || parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

MessageAnswer QtMessageBox::show(const MessageRequest& request)
{
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(request.text));
    box.setIcon(request.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information);
    box.setWindowModality(Qt::ApplicationModal);
    // After the modality: setting it gives the box a dialog's flags afresh.
    box.setWindowFlags(windowFlags(parent, box.windowFlags()));
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    // The box sizes itself to its text: a short message would cut its caption short.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(titleWidth(request.title, box.font()), 0, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    box.exec();

    // Every way a person closes the box clicks a button (the close box and Escape click the
    // escape button); none was clicked when the program ended the box's event loop.
    if (box.clickedButton() == nullptr)
        return MessageAnswer::None;
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

}  // namespace platform
