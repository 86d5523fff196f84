// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window speaks Chinese, and so must the toolkit's own texts: the buttons of message
// boxes ("确定", "取消"), the context menus of edits ("复制") and the file dialogs. Qt
// ships them as qtbase_<language>.qm (Debian package qt6-translations-l10n).
#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace pilecalc::app {

// The language of the user interface: every text of the window is Chinese.
inline QLocale uiLanguage() { return QLocale(QLocale::Chinese, QLocale::China); }

// Loads Qt's own translations for `language` and installs them in `app`, which owns the
// translator. Returns it, or nullptr when no translation file is installed for the
// language (the toolkit then keeps its English texts).
QTranslator* installToolkitTranslations(QCoreApplication& app, const QLocale& language = uiLanguage());

}  // namespace pilecalc::app
