#pragma once
// Test doubles for the platform services, shared by the tests and the fuzz targets. The
// message box fake answers from a script and reports any box nobody expected, so no modal
// box can ever block a run.
#include <QDate>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/services.h"

namespace fakes {

// A box came that nobody expected: the tests fail the running test (fakes.cpp), a fuzz target
// stops on a broken property (fuzz/fuzzsupport.cpp).
void ReportUnexpectedBox(const platform::MessageRequest& request);

class FakeMessageBox : public platform::MessageBoxService {
public:
    // Allows one more box and says how to answer it.
    void expect(platform::MessageAnswer answer = platform::MessageAnswer::Ok) { m_answers.push_back(answer); }
    // Allows any number of boxes, each answered so once the scripted answers are used up.
    void answerEvery(platform::MessageAnswer answer) { m_answerEvery = answer; }

    platform::MessageAnswer show(const platform::MessageRequest& request) override
    {
        shown.push_back(request);
        if (m_answers.empty()) {
            if (m_answerEvery)
                return *m_answerEvery;
            ReportUnexpectedBox(request);
            return request.buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No
                                                                      : platform::MessageAnswer::Ok;
        }
        const platform::MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const auto& request : shown)
            result << request.text;
        return result;
    }

    std::size_t pendingAnswers() const { return m_answers.size(); }

    std::vector<platform::MessageRequest> shown;

private:
    std::deque<platform::MessageAnswer> m_answers;
    std::optional<platform::MessageAnswer> m_answerEvery;
};

class FakeBrowser : public platform::Browser {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

class FakeSettings : public platform::SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& name) override
    {
        if (failReads)
            throw platform::SettingsError("read failed");
        return values.value(key(application, section, name));
    }
    void write(const QString& application, const QString& section, const QString& name, const QString& value) override
    {
        if (failWrites)
            throw platform::SettingsError("write failed");
        values.insert(key(application, section, name), value);
        ++writes;
    }
    static QString key(const QString& application, const QString& section, const QString& name)
    {
        return application + QLatin1Char('/') + section + QLatin1Char('/') + name;
    }

    QMap<QString, QString> values;
    bool failReads = false;
    bool failWrites = false;
    int writes = 0;
};

class FakeClock : public platform::Clock {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 14};
};

class FakeClipboard : public platform::Clipboard {
public:
    void clear() override { ++clears; }
    int clears = 0;
};

class FakeInstanceLock : public platform::InstanceLock {
public:
    bool tryLock() override
    {
        held = available;
        return available;
    }
    void release() override
    {
        held = false;
        if (onRelease)
            onRelease();
    }
    bool available = true;
    bool held = false;
    std::function<void()> onRelease;
};

class FakeRandom : public platform::Random {
public:
    void seedFromClock() override { ++seeds; }
    // Returns the scripted values in turn, then repeats the last one.
    float next() override
    {
        if (values.empty())
            return 0.0f;
        const float value = values.front();
        if (values.size() > 1)
            values.pop_front();
        return value;
    }
    std::deque<float> values{0.0f};
    int seeds = 0;
};

// All the fakes, with the bundle the program takes.
struct FakePlatform {
    FakeMessageBox messages;
    FakeBrowser browser;
    FakeSettings settings;
    FakeClock clock;
    FakeClipboard clipboard;
    FakeInstanceLock lock;
    FakeRandom random;
    platform::Platform platform{messages, browser, settings, clock, clipboard, lock, random};
};

}  // namespace fakes
