// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace pilecalc::platform {

// Character set of the user's locale. On Linux as the C library names it
// ("UTF-8", "GBK", "GB18030", "ANSI_X3.4-1968"), taken from LC_ALL / LC_CTYPE
// / LANG of the environment without touching the process's own locale; a
// locale that is named but not installed gives the character set of its name
// when the converter knows it, else the C library's default. On Windows the
// ANSI code page as "CP936", "CP1252", or "UTF-8" where that page is UTF-8.
QByteArray systemCodeset();

// The locale named by LC_ALL, LC_CTYPE or LANG (the first one set), and the
// character set part of such a name ("zh_CN.GBK@x" gives "GBK", none gives "").
QByteArray environmentLocaleName();
QByteArray codesetOfLocaleName(const QByteArray& localeName);

// Memo files (calculation book, summary table) carry a UTF-8 byte-order mark
// when written as UTF-8, so Windows editors open them right; the optimisation
// lists never do.
enum class ResultFileKind { Memo, OptimisationTable };

// Turns report text into the bytes of a result file. A locale whose
// character set holds the report's Chinese (GBK, GB18030, GB2312) gets its
// own bytes, with '?' for a character it lacks, as Chinese Windows tools
// expect. Every other locale (UTF-8, or C/POSIX/Latin sets that cannot hold
// Chinese at all) gets UTF-8: falling back to question marks there would
// lose the whole text.
class ResultEncoder {
  public:
    explicit ResultEncoder(QByteArray codeset, ResultFileKind kind);

    // Bytes at the start of the file: the UTF-8 mark for a UTF-8 memo, else none.
    QByteArray prefix() const;
    // One piece of text, no mark; not thread-safe (shares one converter).
    // Where the character set lacks a character the text holds (or holds a
    // lone UTF-16 surrogate), one '?' stands for it; on Windows, for the
    // system's ANSI code page, the code page's own default character.
    QByteArray encode(const QString& text) const;
    // True when the text goes out as UTF-8 rather than the locale's own set.
    bool writesUtf8() const { return !m_converter; }

  private:
    struct Converter;
    ResultFileKind m_kind;
    std::shared_ptr<Converter> m_converter;  // null: UTF-8
};

}  // namespace pilecalc::platform
