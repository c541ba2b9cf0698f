// main() of the test binaries that need a QApplication. Falls back to the offscreen platform
// when none is set, so test discovery works on a machine without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#include "ui/fonts.h"
#include "ui/leanstyle.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As the program does: its buttons and lists are drawn by this style, over the platform's
    // or over the one QT_STYLE_OVERRIDE names (the Windows style, say, on Linux).
    const QString base = qEnvironmentVariable("QT_STYLE_OVERRIDE");
    QApplication::setStyle(new ui::LeanStyle(base.isEmpty() ? nullptr : QStyleFactory::create(base)));
    ui::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
