#pragma once
// The main window loaded and shown on fakes, with its inputs at hand.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "appfixture.h"
#include "ui/main/frmmain.h"
#include "ui/result/frmpersonalmonth.h"

class MainWindowTest : public AppFixture {
protected:
    // Picks the list items a user would: day 1..31, month 1..12, year 1900..2050.
    void fill(const QString& first, const QString& last, int dayNumber, int monthNumber, int yearNumber)
    {
        firstName->setText(first);
        lastName->setText(last);
        day->setCurrentIndex(dayNumber - 1);
        month->setCurrentIndex(monthNumber - 1);
        year->setCurrentIndex(yearNumber - 1900);
    }

    QStringList inputs() const
    {
        return {firstName->text(),  middleName->text(),   lastName->text(),
                day->currentText(), month->currentText(), year->currentText()};
    }

    ui::frmPersonalMonth* result() const { return registry.find<ui::frmPersonalMonth>(); }
    QString resultText() const { return result() ? result()->txtDisplay()->toPlainText() : QString(); }

    static QStringList visibleWindows()
    {
        QStringList names;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                names << widget->objectName();
        return names;
    }

    ui::frmMain* main = &registry.show<ui::frmMain>();
    QLineEdit* firstName = child<QLineEdit>(main, "txtFirstName");
    QLineEdit* middleName = child<QLineEdit>(main, "txtMiddleName");
    QLineEdit* lastName = child<QLineEdit>(main, "txtLastName");
    QComboBox* month = child<QComboBox>(main, "cboMonth");
    QComboBox* day = child<QComboBox>(main, "cboDate");
    QComboBox* year = child<QComboBox>(main, "cboYear");
    QPushButton* next = child<QPushButton>(main, "cmdNext");
};
