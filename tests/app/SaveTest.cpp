// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the book and the table: the bytes on disk, the state after a save, a file that
// cannot be written and a refused permission.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "AppTests.h"
#include "WindowFixture.h"
#include "platform/DocumentsFolder.h"
#include "platform/Permissions.h"
#include "platform/TextEncoding.h"

using pilecalc::platform::PermissionStatus;

namespace {

const QString kBookFile = "嵌岩桩计算书(依据JTS167-4-2012)_文本.txt";
const QString kTableFile = "嵌岩桩计算书(依据JTS167-4-2012)_表格.txt";

// What a memo file must hold: its lines joined by CR LF, no break after the last, in
// the result files' encoding of this system.
QByteArray expectedBytes(const pilecalc::Lines& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += QString::fromStdU16String(lines[i]);
    }
    const pilecalc::platform::ResultEncoder encoder(pilecalc::platform::systemCodeset(),
                                                    pilecalc::platform::ResultFileKind::Memo);
    return encoder.prefix() + encoder.encode(text);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A platform that asks the user: explains first, then reports the given outcome.
class AskingService : public pilecalc::platform::PermissionService {
public:
    std::vector<PermissionStatus> outcome;
    int rationales = 0;
    void requestPermissions(QObject* sender, const QStringList& permissions,
                            const pilecalc::platform::PermissionResultHandler& onResult,
                            const pilecalc::platform::RationaleHandler& onRationale) override {
        onRationale(sender, permissions, [this] { ++rationales; });
        onResult(sender, permissions, outcome);
    }
};

}  // namespace

class SaveTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    QString path(const QString& name) { return QDir(fixture.documents()).filePath(name); }

private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void savesBookThenTable() {
        w().cbt_compute->click();
        w().cbe_dd->setEditText("1200");
        w().cbt_compute->click();
        w().cbt_View->click();
        w().cbt_Save->click();
        QCOMPARE(readFile(path(kBookFile)), expectedBytes(w().bookLines));
        QVERIFY(!QFile::exists(path(kTableFile)));
        QCOMPARE(w().unsavedTexts, 2);
        QVERIFY(!w().cbt_Save->isEnabled());
        w().cbt_PageBook->click();
        QVERIFY(w().cbt_Save->isEnabled());
        w().cbt_Save->click();
        QCOMPARE(readFile(path(kTableFile)), expectedBytes(w().tableLines));
        QCOMPARE(w().unsavedTexts, 0);
        QVERIFY(!w().cbt_Save->isEnabled());
        w().cbt_PageBook->click();
        QVERIFY(!w().cbt_Save->isEnabled());
        QVERIFY(!readFile(path(kTableFile)).endsWith("\r\n"));
        QVERIFY(readFile(path(kTableFile)).contains("\r\n"));
    }

    void secondSaveReplacesTheFile() {
        w().cbt_compute->click();
        w().cbt_View->click();
        w().cbt_Save->click();
        w().cbt_Exit->click();
        w().cbe_dd->setEditText("1300");
        w().cbt_compute->click();
        w().cbt_View->click();
        QVERIFY(w().cbt_Save->isEnabled());
        w().cbt_Save->click();
        QCOMPARE(readFile(path(kBookFile)), expectedBytes(w().bookLines));
        QVERIFY(w().bookLines.size() > 60);
    }

    void failedSaveChangesNothing() {
        w().cbt_compute->click();
        w().cbt_View->click();
        pilecalc::platform::setDocumentsFolderForTesting(QDir(fixture.documents()).filePath("missing/folder"));
        w().cbt_Save->click();
        const QString error = pilecalc::test::WindowFixture::takeDialog();
        QVERIFY2(error.contains(kBookFile), qPrintable(error));
        QCOMPARE(w().unsavedTexts, 3);
        QVERIFY(w().cbt_Save->isEnabled());
    }

    void refusedPermissionWritesNothing_data() {
        QTest::addColumn<int>("outcome");  // -1: no result at all
        QTest::newRow("denied") << int(PermissionStatus::Denied);
        QTest::newRow("permanently denied") << int(PermissionStatus::PermanentlyDenied);
        QTest::newRow("no result") << -1;
    }
    void refusedPermissionWritesNothing() {
        QFETCH(int, outcome);
        AskingService service;
        if (outcome >= 0) service.outcome = {PermissionStatus(outcome)};
        w().setPermissionServiceForTesting(&service);
        w().FPermissionWriteExternalStorage = "storage.write";
        w().cbt_compute->click();
        w().cbt_View->click();
        w().cbt_Save->click();
        // The explanation is still open beside the refusal (the order of open windows is the system's).
        QStringList open = pilecalc::test::WindowFixture::openDialogs();
        open.sort();
        QStringList expected{"需要存贮权限，否则计算结果不能存盘", "无权存盘"};
        expected.sort();
        QCOMPARE(open, expected);
        pilecalc::test::WindowFixture::closeAllDialogs();
        QCOMPARE(service.rationales, 1);  // closing the explanation lets the request go on
        QVERIFY(!QFile::exists(path(kBookFile)));
        QCOMPARE(w().unsavedTexts, 3);
        QVERIFY(w().cbt_Save->isEnabled());
        w().setPermissionServiceForTesting(nullptr);
    }
};

static pilecalc::test::RegisterTest<SaveTest> registerSave;
#include "SaveTest.moc"
