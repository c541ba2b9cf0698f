#pragma once
// Every platform service in one in-memory object, for the fuzz targets that run the program's
// own modules: the answer to any box is scripted, the store holds one value, pages are recorded.
#include <QDate>
#include <QString>
#include <vector>

#include "platform/services.h"

namespace fuzz {

struct FakePlatform : platform::MessageBoxService,
                      platform::Browser,
                      platform::SettingsStore,
                      platform::Clock,
                      platform::Clipboard,
                      platform::InstanceLock,
                      platform::Random {
    platform::MessageAnswer show(const platform::MessageRequest&) override
    {
        ++boxes;
        return answer;
    }
    void open(const QString& address) override { opened.push_back(address); }
    QString read(const QString&, const QString&, const QString&) override { return stored; }
    void write(const QString&, const QString&, const QString&, const QString& value) override { stored = value; }
    QDate today() const override { return date; }
    void clear() override {}
    bool tryLock() override { return true; }
    void seedFromClock() override {}
    float next() override { return 0.0f; }

    platform::Platform services{*this, *this, *this, *this, *this, *this, *this};
    platform::MessageAnswer answer = platform::MessageAnswer::Ok;
    int boxes = 0;
    QString stored;
    QDate date{2026, 12, 14};
    std::vector<QString> opened;
};

}  // namespace fuzz
