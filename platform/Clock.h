// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace pilecalc::platform {

// The local date and time now.
QDateTime currentDateTime();

// The time stamp of the reports: the locale's short date, a blank and its long time,
// without the time-zone name that some locales put into the long time.
QString timeText(const QDateTime& when, const QLocale& locale);

// The long time format of a locale with its time-zone field removed.
QString longTimeFormatWithoutZone(const QLocale& locale);

}  // namespace pilecalc::platform
