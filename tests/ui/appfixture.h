#pragma once
// A whole program on fakes: every window built through the real registry and AppWindows,
// with fake services and EndProgram recorded instead of ending the process.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include "app/appwindows.h"
#include "fakes.h"
#include "shell/modhelp.h"
#include "shell/program.h"

// The first line of every result the result window shows, before the number.
inline const QString kResultHeading = QStringLiteral("Your Varodara Zevaz Adavuv is: ");

class AppFixture : public ::testing::Test {
protected:
    // Runs pending deferred deletions so unloaded windows are really gone.
    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget>
    static T* child(QWidget* root, const char* objectName)
    {
        T* found = root->findChild<T*>(QString::fromLatin1(objectName));
        EXPECT_NE(found, nullptr) << "no control named " << objectName;
        return found;
    }

    // Gives the window the focus at once (offscreen platform), so key clicks reach it.
    static void activate(QWidget* window)
    {
        window->show();
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window, 2000));
    }

    void TearDown() override
    {
        program.reset();
        flushDeletes();
        EXPECT_EQ(fake.messages.pendingAnswers(), 0u) << "an expected message box never appeared";
    }

    fakes::FakePlatform fake;
    shell::modHelp help{fake.platform, QStringLiteral("varodara-test")};
    int endProgramCalls = 0;
    std::unique_ptr<shell::Program> program;
    ui::AppContext context{fake.platform, help, [this] {
                               ++endProgramCalls;
                               if (program)
                                   program->EndProgram();
                           }};
    ui::WindowRegistry& registry = context.windows;
    app::AppWindows windows{registry};
    int eventLoopEnds = 0;

    // Call from a test to have EndProgram really unload the windows (as in the program).
    void useRealEndProgram()
    {
        program = std::make_unique<shell::Program>(fake.platform, help, windows, [this] { ++eventLoopEnds; });
    }
};
