#pragma once
// The main window loaded and shown on the fake platform, with handles on its controls and a
// way to fill in the details as a user would pick them.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "appfixture.h"
#include "ui/main/frmmain.h"
#include "ui/result/frmpersonalmonth.h"

class MainWindowTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        main = &registry.show<ui::frmMain>();
        firstName = child<QLineEdit>(main, "txtFirstName");
        middleName = child<QLineEdit>(main, "txtMiddleName");
        lastName = child<QLineEdit>(main, "txtLastName");
        month = child<QComboBox>(main, "cboMonth");
        day = child<QComboBox>(main, "cboDate");
        year = child<QComboBox>(main, "cboYear");
        next = child<QPushButton>(main, "cmdNext");
    }

    // day 1..31, monthNumber 1..12, year 1900..2050: the list items a user would pick.
    void fill(const QString& first, const QString& last, int dayNumber, int monthNumber, int yearNumber)
    {
        firstName->setText(first);
        lastName->setText(last);
        day->setCurrentIndex(dayNumber - 1);
        month->setCurrentIndex(monthNumber - 1);
        year->setCurrentIndex(yearNumber - 1900);
    }

    ui::frmPersonalMonth* result() const { return registry.find<ui::frmPersonalMonth>(); }

    QString resultText() const
    {
        const ui::frmPersonalMonth* window = result();
        return window == nullptr ? QString() : window->txtDisplay()->toPlainText();
    }

    static QStringList visibleWindows()
    {
        QStringList names;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                names << widget->objectName();
        }
        return names;
    }

    ui::frmMain* main = nullptr;
    QLineEdit* firstName = nullptr;
    QLineEdit* middleName = nullptr;
    QLineEdit* lastName = nullptr;
    QComboBox* month = nullptr;
    QComboBox* day = nullptr;
    QComboBox* year = nullptr;
    QPushButton* next = nullptr;
};
