// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the book and the table: the bytes on disk, the state after a save, a file that
// cannot be written and a refused permission.
#include <sys/resource.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cerrno>
#include <csignal>

#include "support/TestFiles.h"
#include "AppTests.h"
#include "WindowFixture.h"
#include "platform/DocumentsFolder.h"
#include "platform/Permissions.h"
#include "platform/TextEncoding.h"

using pilecalc::platform::PermissionStatus;

namespace {

using pilecalc::test::readFile;
using pilecalc::test::writeFile;
using pilecalc::test::FileSizeLimit;

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

// The earlier file on disk: longer than any limit used here.
QByteArray earlierFile(const char* name) {
    QByteArray bytes = QByteArray("earlier ") + name + "\r\n";
    while (bytes.size() < 400 * 1024) bytes += "ZH1  1000  1.0d  25.00  7636\r\n";
    return bytes;
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
        ui(w()).cbt_compute->click();
        ui(w()).cbe_dd->setEditText("1200");
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        ui(w()).cbt_Save->click();
        QCOMPARE(readFile(path(kBookFile)), expectedBytes(w().bookLines()));
        QVERIFY(!QFile::exists(path(kTableFile)));
        QCOMPARE(w().unsavedTexts(), 2);
        QVERIFY(!ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_PageBook->click();
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_Save->click();
        QCOMPARE(readFile(path(kTableFile)), expectedBytes(w().tableLines()));
        QCOMPARE(w().unsavedTexts(), 0);
        QVERIFY(!ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_PageBook->click();
        QVERIFY(!ui(w()).cbt_Save->isEnabled());
        QVERIFY(!readFile(path(kTableFile)).endsWith("\r\n"));
        QVERIFY(readFile(path(kTableFile)).contains("\r\n"));
    }

    void secondSaveReplacesTheFile() {
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        ui(w()).cbt_Save->click();
        ui(w()).cbt_Exit->click();
        ui(w()).cbe_dd->setEditText("1300");
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        ui(w()).cbt_Save->click();
        QCOMPARE(readFile(path(kBookFile)), expectedBytes(w().bookLines()));
        QVERIFY(w().bookLines().size() > 60);
    }

    void failedSaveChangesNothing() {
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        // A documents folder that cannot be created: its parent is a plain file.
        QVERIFY(writeFile(path("plain"), "not a folder"));
        pilecalc::platform::setDocumentsFolderForTesting(QDir(fixture.documents()).filePath("plain/folder"));
        ui(w()).cbt_Save->click();
        const QString error = pilecalc::test::WindowFixture::takeDialog();
        QVERIFY2(error.contains(kBookFile), qPrintable(error));
        QCOMPARE(w().unsavedTexts(), 3);
        QVERIFY(ui(w()).cbt_Save->isEnabled());
    }

    // A full disk: the book, the table and a list each fail with the file and the system's
    // reason, the earlier file stays byte for byte, no temporary file is left, and the
    // texts stay unsaved with their button enabled. 1,000 bytes is less than one write
    // block, 300 KiB more than one.
    void fullDiskKeepsTheEarlierFileAndTheUnsavedState_data() {
        QTest::addColumn<QString>("what");  // "book", "table" or "list"
        QTest::addColumn<int>("limit");     // bytes
        QTest::addColumn<int>("piles");     // piles computed before the save
        // Above the block: a book pile takes about 3 kB, a table row about 200 bytes, and
        // 25 list rows about 3 kB.
        const struct {
            const char* what;
            int pilesAbove;
        } kinds[] = {{"book", 120}, {"table", 2200}, {"list", 120}};
        for (const auto& kind : kinds) {
            QTest::addRow("%s, limit below one write block", kind.what) << QString(kind.what) << 1000 << 2;
            QTest::addRow("%s, limit above one write block", kind.what)
                << QString(kind.what) << 300 * 1024 << kind.pilesAbove;
        }
    }
    void fullDiskKeepsTheEarlierFileAndTheUnsavedState() {
        QFETCH(QString, what);
        QFETCH(int, limit);
        QFETCH(int, piles);
        const bool list = what == "list";
        const QString name = what == "book"    ? kBookFile
                             : what == "table" ? kTableFile
                                               : QStringLiteral("嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt");
        const QByteArray earlier = earlierFile(qPrintable(what));
        QVERIFY(writeFile(path(name), earlier));
        QPushButton* save = list ? ui(w()).cbt_YHsave : ui(w()).cbt_Save;
        if (list) {
            w().cbt_YouHuaClick();
            // 2 × 2 × piles combinations: about 130 bytes a line.
            const QString frkMax = QString::number(10 + (piles * 25 - 1));
            const QString ranges[3][3] = {{"1000", "1100", "100"}, {"1.0d", "2.0d", "1.0d"}, {"10", frkMax, "1"}};
            for (int row = 0; row < 3; ++row) {
                for (int column = 0; column < 3; ++column) {
                    ui(w()).Grid1_Youhuaxuanxiang->item(row, column + 1)->setText(ranges[row][column]);
                }
            }
            ui(w()).cbt_YHcompute->click();
            QVERIFY(save->isEnabled());
        } else {
            for (int n = 0; n < piles; ++n) {
                ui(w()).cbe_dd->setEditText(QString::number(1000 + 10 * n));
                ui(w()).cbt_compute->click();
            }
            ui(w()).cbt_View->click();
            if (what == "table") ui(w()).cbt_PageBook->click();
            QVERIFY(save->isEnabled());
        }
        const int unsaved = w().unsavedTexts();
        {
            const FileSizeLimit full(static_cast<rlim_t>(limit));
            QVERIFY(full.isSet());
            save->click();
        }
        const QString error = pilecalc::test::WindowFixture::takeDialog();
        QVERIFY2(error.contains(name), qPrintable(error));
        QVERIFY2(error.contains(qt_error_string(EFBIG)), qPrintable(error));
        QVERIFY2(!error.contains("Unknown error"), qPrintable(error));
        QVERIFY(readFile(path(name)) == earlier);
        QCOMPARE(QDir(fixture.documents()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
        QCOMPARE(w().unsavedTexts(), unsaved);
        QVERIFY(save->isEnabled());

        // With room again the same click saves.
        save->click();
        QVERIFY(readFile(path(name)).size() > limit);
        QVERIFY(!save->isEnabled());
    }

    // A documents folder that does not exist yet is made, with its parents, by the save.
    void missingDocumentsFolderIsCreated() {
        const QString folder = QDir(fixture.documents()).filePath("home/eng/Documents");
        pilecalc::platform::setDocumentsFolderForTesting(folder);
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        ui(w()).cbt_Save->click();
        QCOMPARE(readFile(QDir(folder).filePath(kBookFile)), expectedBytes(w().bookLines()));
        QCOMPARE(w().unsavedTexts(), 2);
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
        w().setWritePermissionNameForTesting("storage.write");
        ui(w()).cbt_compute->click();
        ui(w()).cbt_View->click();
        ui(w()).cbt_Save->click();
        // The explanation is still open beside the refusal (the order of open windows is the system's).
        QStringList open = pilecalc::test::WindowFixture::openDialogs();
        open.sort();
        QStringList expected{"需要存贮权限，否则计算结果不能存盘", "无权存盘"};
        expected.sort();
        QCOMPARE(open, expected);
        pilecalc::test::WindowFixture::closeAllDialogs();
        QCOMPARE(service.rationales, 1);  // closing the explanation lets the request go on
        QVERIFY(!QFile::exists(path(kBookFile)));
        QCOMPARE(w().unsavedTexts(), 3);
        QVERIFY(ui(w()).cbt_Save->isEnabled());
        w().setPermissionServiceForTesting(nullptr);
    }
};

static pilecalc::test::RegisterTest<SaveTest> registerSave;
#include "SaveTest.moc"
