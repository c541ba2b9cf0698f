#pragma once
// A whole program on fakes: built through app::Application as main() builds it, with fake
// services; EndProgram's calls are counted, and it ends no process.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include "app/appwindows.h"
#include "fakes.h"
#include "product.h"
#include "shell/modhelp.h"
#include "shell/program.h"

// Every window's caption.
inline const QString kCaption = QStringLiteral("OV Varodara Zevaz Adavuv v") + QLatin1String(product::kVersion);

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

    AppFixture()
    {
        // Counted on the way in: every window's road to EndProgram goes through the context.
        std::function<void()>& endProgram = application.context().EndProgram;
        endProgram = [this, end = endProgram] {
            ++endProgramCalls;
            end();
        };
    }

    void TearDown() override
    {
        flushDeletes();
        EXPECT_EQ(fake.messages.pendingAnswers(), 0u) << "an expected message box never appeared";
    }

    fakes::FakePlatform fake;
    shell::modHelp help{fake.platform, QStringLiteral("varodara-test")};
    int endProgramCalls = 0;
    int eventLoopEnds = 0;
    // Built as main() builds it, on the fakes; ending the event loop is only counted.
    app::Application application{fake.platform, help, [this] { ++eventLoopEnds; }};
    ui::WindowRegistry& registry = application.context().windows;
    app::AppWindows& windows = application.windows();
    shell::Program& program = application.program();
};
