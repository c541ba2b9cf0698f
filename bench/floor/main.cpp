// The floor that start-up time and memory are measured against: a bare Qt Widgets window of
// the main window's size holding one line edit, one combo box, one push button and one
// read-only text box, and nothing else of the program.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    // The main window's client area (6405 x 3465 twips) plus its menu bar, 19 pixels high.
    window.setFixedSize(427, 231 + 19);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit);
    auto* combo = new QComboBox;
    combo->addItems({QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March")});
    layout->addWidget(combo);
    layout->addWidget(new QPushButton(QStringLiteral("&Next")));
    auto* text = new QPlainTextEdit;
    text->setReadOnly(true);
    layout->addWidget(text);
    window.show();
    return QApplication::exec();
}
