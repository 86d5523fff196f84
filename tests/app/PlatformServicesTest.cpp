// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services the window relies on: the error report's wording, the time
// stamp of the reports, the desktop permission service and non-blocking dialogs.
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "platform/Clock.h"
#include "platform/ErrorReport.h"
#include "platform/MessageDialog.h"
#include "platform/Permissions.h"

class PlatformServicesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        pilecalc::test::WindowFixture::closeAllDialogs();
        QLocale::setDefault(QLocale::c());
    }

    void errorReportEndsWithAFullStop_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter gains a stop") << "Disk full" << "Disk full.";
        QTest::newRow("ideograph gains a stop") << "无法保存文件" << "无法保存文件.";
        QTest::newRow("closing quote gains a stop") << "'abc' is not a valid floating point value"
                                                    << "'abc' is not a valid floating point value.";
        QTest::newRow("full stop stays single") << "Disk full." << "Disk full.";
        QTest::newRow("bracket below the stop") << "error (3)" << "error (3)";
        QTest::newRow("comma below the stop") << "a," << "a,";
        QTest::newRow("slash above the stop") << "a/" << "a/.";
        QTest::newRow("empty stays empty") << "" << "";
    }
    void errorReportEndsWithAFullStop() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(pilecalc::platform::errorReportText(message), shown);
    }

    void guardedHandlerReportsErrors() {
        QWidget parent;
        QVERIFY(pilecalc::platform::runGuarded(&parent, [] {}));
        QVERIFY(pilecalc::test::WindowFixture::openDialogs().isEmpty());
        QVERIFY(!pilecalc::platform::runGuarded(&parent, [] { throw std::runtime_error("Disk full"); }));
        QCOMPARE(pilecalc::test::WindowFixture::openDialogs(), QStringList({"Disk full."}));
    }

    void messageDialogDoesNotBlock() {
        QWidget parent;
        bool closed = false;
        QMessageBox* box = pilecalc::platform::showMessage(&parent, "无权存盘", [&] { closed = true; });
        QVERIFY(box->isVisible());  // the call returned with the dialog still open
        QVERIFY(!closed);
        box->done(0);
        QVERIFY(closed);
    }

    void timeTextHasNoZoneName_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China);
        QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    }
    void timeTextHasNoZoneName() {
        QFETCH(QLocale, locale);
        const QDateTime when = pilecalc::test::fixedTime();
        const QString text = pilecalc::platform::timeText(when, locale);
        QVERIFY2(text.startsWith(locale.toString(when.date(), QLocale::ShortFormat) + " "), qPrintable(text));
        QVERIFY2(text.contains("26"), qPrintable(text));
        QVERIFY2(text.contains("53"), qPrintable(text));  // seconds: the long time
        QVERIFY2(!text.contains(when.timeZoneAbbreviation()) || when.timeZoneAbbreviation().isEmpty(),
                 qPrintable(text));
        QCOMPARE(text, text.trimmed());
        QVERIFY(!pilecalc::platform::longTimeFormatWithoutZone(locale).contains(u't'));
    }

    void desktopGrantsAtOnce() {
        pilecalc::platform::DesktopPermissionService service;
        std::vector<pilecalc::platform::PermissionStatus> received;
        bool explained = false;
        service.requestPermissions(
            nullptr, QStringList{QString()},
            [&](QObject*, const QStringList&, const std::vector<pilecalc::platform::PermissionStatus>& grants) {
                received = grants;
            },
            [&](QObject*, const QStringList&, std::function<void()>) { explained = true; });
        QCOMPARE(received.size(), std::size_t(1));
        QVERIFY(received.front() == pilecalc::platform::PermissionStatus::Granted);
        QVERIFY(!explained);
    }
};

static pilecalc::test::RegisterTest<PlatformServicesTest> registerPlatformServices;
#include "PlatformServicesTest.moc"
