#pragma once
// The desktop services the program calls. Each is a small interface with one Qt
// implementation (qt*.h) and fakes in the tests; nothing else in the program talks to the
// desktop directly.
#include <QDate>
#include <QString>
#include <stdexcept>

#include "product.h"

namespace platform {

inline const QString kApplicationTitle = QString::fromLatin1(product::kTitle);

enum class MessageIcon { Information, Stop };
enum class MessageButtons { Ok, YesNo };  // with YesNo, Yes is the default button
// None: the box went away unanswered, because the program is ending (a termination signal
// ended the event loop while it was open).
enum class MessageAnswer { Ok, Yes, No, None };

struct MessageRequest {
    // Shown as it is: the caller translates it where the text is made, so that a message with
    // %1 is filled in after its translation.
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    QString title = kApplicationTitle;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Modal: returns when the user has answered.
    virtual MessageAnswer show(const MessageRequest& request) = 0;
};

class Browser {
public:
    virtual ~Browser() = default;
    // Hands the address to the desktop's browser as it is and returns at once; a failure is
    // not reported.
    virtual void open(const QString& address) = 0;
};

class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing value reads as the empty text. Both throw SettingsError when the store
    // cannot be read or written.
    virtual QString read(const QString& application, const QString& section, const QString& name) = 0;
    virtual void write(const QString& application, const QString& section, const QString& name,
                       const QString& value) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
};

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Takes the per-user lock without waiting; true when this process now holds it.
    virtual bool tryLock() = 0;
    // Gives the lock up, so that the next copy may start; nothing when it is not held.
    virtual void release() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    // Uniform in [0, 1); never 1.0.
    virtual float next() = 0;
};

// The services handed to whoever needs them.
struct Platform {
    MessageBoxService& messages;
    Browser& browser;
    SettingsStore& settings;
    Clock& clock;
    Clipboard& clipboard;
    InstanceLock& lock;
    Random& random;
};

}  // namespace platform
