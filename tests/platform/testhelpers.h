#pragma once
// Helpers shared by the platform tests.
#include <QScopeGuard>
#include <QString>
#include <optional>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Sets an environment variable until the returned guard dies, which puts the old value back.
[[nodiscard]] inline auto scopedEnv(const char* name, const QByteArray& value)
{
    const std::optional<QByteArray> old = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    qputenv(name, value);
    return qScopeGuard([name, old] { old ? qputenv(name, *old) : qunsetenv(name); });
}
