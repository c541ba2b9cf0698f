// Next and Back as a user sees them, offscreen: from the click to the first paint of the
// window that comes up. Each click is timed alone; the reported time is the mean, and the
// counters give the median, minimum and maximum of the single clicks in milliseconds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "app/appwindows.h"
#include "platform/qtservices.h"
#include "shell/modhelp.h"
#include "ui/fonts.h"
#include "ui/main/frmmain.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes the first paint of any widget inside the top-level window of the given name.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QString windowName) : m_windowName(std::move(windowName)) { qApp->installEventFilter(this); }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;
    ~PaintWatch() override { qApp->removeEventFilter(this); }

    // Runs the event loop until the window has painted; false after five seconds without.
    bool wait()
    {
        const QDeadlineTimer deadline(5000);
        while (!m_painted && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        return m_painted;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == m_windowName)
            m_painted = true;
        return false;
    }

private:
    QString m_windowName;
    bool m_painted = false;
};

// The whole program on the real services, its settings and lock in a scratch folder.
struct Program {
    platform::QtServices services;
    shell::modHelp help{services.platform(), QStringLiteral("varodara-bench")};
    app::Application application{services.platform(), help, [] {}};
    ui::WindowRegistry& registry = application.context().windows;
    QWidget* main = nullptr;

    Program()
    {
        main = registry.show<ui::frmMain>().widget();
        main->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("ANNA"));
        main->findChild<QLineEdit*>(QStringLiteral("txtLastName"))->setText(QStringLiteral("SMITH"));
        main->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(13);
        main->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(2);
        main->findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(90);
        PaintWatch(QStringLiteral("frmMain")).wait();
    }

    static QPushButton* button(const char* window, const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(window) && top->isVisible())
                return top->findChild<QPushButton*>(QLatin1String(name));
        return nullptr;
    }

    // Clicks the button and returns the time until the named window painted.
    static std::optional<double> clickUntilPainted(const char* window, const char* name, const char* comesUp)
    {
        QPushButton* target = button(window, name);
        if (target == nullptr)
            return std::nullopt;
        PaintWatch watch{QString::fromLatin1(comesUp)};
        const auto start = Clock::now();
        target->click();
        if (!watch.wait())
            return std::nullopt;
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        // Windows unloaded by the click are deleted later; not part of what the user waits for.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return seconds;
    }
};

void ReportClicks(benchmark::State& state, std::vector<double> seconds)
{
    if (seconds.empty())
        return;
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
    state.counters["min_ms"] = seconds.front() * 1e3;
    state.counters["max_ms"] = seconds.back() * 1e3;
}

void ClickRoundTrip(benchmark::State& state, bool timeNext)
{
    std::vector<double> timed;
    for (auto _ : state) {
        const auto next = Program::clickUntilPainted("frmMain", "cmdNext", "frmPersonalMonth");
        const auto back = next ? Program::clickUntilPainted("frmPersonalMonth", "cmdback", "frmMain") : std::nullopt;
        if (!back) {
            state.SkipWithError("a window did not come up and paint");
            break;
        }
        timed.push_back(timeNext ? *next : *back);
        state.SetIterationTime(timed.back());
    }
    ReportClicks(state, std::move(timed));
}

void BM_NextToResultPainted(benchmark::State& state)
{
    ClickRoundTrip(state, true);
}
BENCHMARK(BM_NextToResultPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BackToMainPainted(benchmark::State& state)
{
    ClickRoundTrip(state, false);
}
BENCHMARK(BM_BackToMainPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings file and the lock go to a scratch folder, never the user's own.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", (scratch.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", scratch.path().toLocal8Bit());
    QApplication app(argc, argv);
    ui::InstallFontSubstitutes();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const Program whole;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
