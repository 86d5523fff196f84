// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own texts in the window's language: standard buttons and the context
// menu of an edit read Chinese once Qt's translations are installed.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "AppTests.h"
#include "app/ToolkitTranslations.h"

class ToolkitTranslationsTest : public QObject {
    Q_OBJECT
    QTranslator* translator = nullptr;

private slots:
    void init() {
        translator = pilecalc::app::installToolkitTranslations(*qApp);
        QVERIFY2(translator, "qtbase_zh_CN.qm not found (package qt6-translations-l10n)");
    }
    void cleanup() {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
            translator = nullptr;
        }
    }

    void standardButtonsSpeakChinese_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("OK") << int(QMessageBox::Ok) << "确定";
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << "取消";
    }
    void standardButtonsSpeakChinese() {
        QFETCH(int, button);
        QFETCH(QString, text);
        QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("文件已保存"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QAbstractButton* shown = box.button(static_cast<QMessageBox::StandardButton>(button));
        QVERIFY(shown);
        QCOMPARE(shown->text().remove(u'&'), text);
    }

    void editMenuSpeaksChinese() {
        QLineEdit edit(QStringLiteral("13744"));
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) texts << action->text();
        QVERIFY2(texts.filter(QStringLiteral("复制")).size() == 1, qPrintable(texts.join(" | ")));
        QVERIFY2(texts.filter(QStringLiteral("Copy")).isEmpty(), qPrintable(texts.join(" | ")));
    }

    // Without the translations (another language with no file) the toolkit stays English.
    void missingLanguageInstallsNothing() {
        QCOMPARE(pilecalc::app::installToolkitTranslations(*qApp, QLocale(QLocale::Zulu)), nullptr);
    }
};

static pilecalc::test::RegisterTest<ToolkitTranslationsTest> registerToolkitTranslations;
#include "ToolkitTranslationsTest.moc"
