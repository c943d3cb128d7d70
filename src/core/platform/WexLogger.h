// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// The one logger of the suite. Every line carries the source file and line.
// Warnings and errors always go to stderr; info and debug lines go to stderr
// when the level allows; trace lines (hex dumps of every report) only when the
// level is Trace. When a debug file is set, debug lines are appended to it too.
class WexLogger
{
public:
    enum class Level
    {
        Error,
        Warning,
        Info,
        Debug,
        Trace
    };

    static void log(Level level, const QString &message, const char *file, int line);
    static void debug(const QString &message, const char *file, int line)
    {
        log(Level::Debug, message, file, line);
    }

    static void setLevel(Level level);
    static Level level();
    static bool enabled(Level level);
    // Appends debug lines to `path` as well; an empty path stops that.
    static void setDebugFile(const QString &path);

    // ORVEX_LOG_LEVEL=error|warning|info|debug|trace in the environment.
    static void applyEnvironment();
    // Level Warning, no debug file.
    static void resetState();
};

} // namespace orvex

#define ORVEX_LOG(level, message)                                                                  \
    do {                                                                                           \
        if (::orvex::WexLogger::enabled(level))                                                    \
            ::orvex::WexLogger::log(level, message, __FILE__, __LINE__);                           \
    } while (false)
#define ORVEX_ERROR(message) ORVEX_LOG(::orvex::WexLogger::Level::Error, message)
#define ORVEX_WARNING(message) ORVEX_LOG(::orvex::WexLogger::Level::Warning, message)
#define ORVEX_INFO(message) ORVEX_LOG(::orvex::WexLogger::Level::Info, message)
#define ORVEX_DEBUG(message) ORVEX_LOG(::orvex::WexLogger::Level::Debug, message)
#define ORVEX_TRACE(message) ORVEX_LOG(::orvex::WexLogger::Level::Trace, message)
