// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MemoSync.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace pilecalc::app {
namespace {

QString joined(const Lines& lines, std::size_t from) {
    QString text;
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (i > from) text += u'\n';
        text += QString::fromStdU16String(lines[i]);
    }
    return text;
}

}  // namespace

void showLines(QPlainTextEdit* memo, const Lines& lines, std::size_t unchanged) {
    QTextDocument* document = memo->document();
    const bool memoEmpty = document->isEmpty();
    const std::size_t shown = memoEmpty ? 0 : static_cast<std::size_t>(document->blockCount());
    unchanged = std::min({unchanged, shown, lines.size()});
    if (unchanged == 0) {
        memo->setPlainText(joined(lines, 0));
        return;
    }
    // Cut after the end of the last unchanged line, then write the new tail behind it.
    const QTextBlock lastKept = document->findBlockByNumber(static_cast<int>(unchanged) - 1);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.setPosition(lastKept.position() + lastKept.length() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (lines.size() > unchanged) cursor.insertText(u'\n' + joined(lines, unchanged));
    cursor.endEditBlock();
}

void moveCaretHome(QPlainTextEdit* memo) {
    QTextCursor cursor = memo->textCursor();
    cursor.movePosition(QTextCursor::EndOfLine);
    memo->setTextCursor(cursor);
    cursor.movePosition(QTextCursor::Start);
    memo->setTextCursor(cursor);
}

}  // namespace pilecalc::app
