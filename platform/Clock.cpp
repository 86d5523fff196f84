// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

namespace pilecalc::platform {

QDateTime currentDateTime() { return QDateTime::currentDateTime(); }

QString longTimeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;  // time-zone token of any length
        out += c;
    }
    // Dropping the zone leaves its neighbouring blanks behind ("HH:mm:ss  AP" or a trailing blank).
    while (out.contains(QStringLiteral("  "))) out.replace(QStringLiteral("  "), QStringLiteral(" "));
    return out.trimmed();
}

QString timeText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), longTimeFormatWithoutZone(locale));
}

}  // namespace pilecalc::platform
