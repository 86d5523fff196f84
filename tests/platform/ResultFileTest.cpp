// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <csignal>
#include <stdexcept>

#include "support/TestFiles.h"
#include "engine/PileCase.h"
#include "engine/PileResult.h"
#include "platform/DocumentsFolder.h"
#include "platform/IconvDecode.h"
#include "platform/ResultFile.h"
#include "reports/CalculationBook.h"
#include "reports/OptimisationTable.h"
#include "reports/SummaryTable.h"

namespace pilecalc::platform {
namespace {

using pilecalc::test::writeFile;

const QString kBookFile = QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt");
const QString kRawListFile = QStringLiteral("嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt");

// A book of two real piles, as the record step builds it.
Lines twoPileBook() {
    const PileInputTexts texts[] = {{u"1000", u"1.0d", u"25", u"0.70", u"1.80", true},
                                    {u"1000", u"6000", u"80", u"0.75", u"1.70", true}};
    Lines book;
    for (int n = 1; n <= 2; ++n) {
        const PileReading reading = readPileCase(texts[n - 1], u'.');
        EXPECT_TRUE(reading.ok());
        const TypedInputs typed{texts[n - 1].d, texts[n - 1].hr, texts[n - 1].gammaCR};
        AppendBook(book, n, typed, reading.pile, computePile(reading.pile), PrecisionMode::WholeUnits,
                   u"2024/5/6 9:08:07", u'.');
    }
    return book;
}

QString joined(const Lines& lines, const QString& separator) {
    QStringList out;
    for (const auto& line : lines) out << QString::fromStdU16String(line);
    return out.join(separator);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The documents folder is a fresh temporary folder for every test.
class ResultFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        setDocumentsFolderForTesting(m_dir.path());
    }
    void TearDown() override { setDocumentsFolderForTesting(QString()); }

    QString folder() const { return m_dir.path(); }
    QString pathOf(const QString& name) const { return resultFilePath(folder(), name); }
    QStringList entries() const {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

  private:
    QTemporaryDir m_dir;
};

TEST_F(ResultFiles, bookInGbkIsJoinedByCrLfWithoutFinalBreakOrMark) {
    const Lines book = twoPileBook();
    const SaveOutcome outcome = saveMemoFile({folder(), "GBK"}, kBookFile, book);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.path, pathOf(kBookFile));
    EXPECT_TRUE(outcome.error.isEmpty());

    const QByteArray bytes = readFile(outcome.path);
    EXPECT_TRUE(bytes.startsWith("=================="));      // no byte-order mark
    EXPECT_TRUE(bytes.contains("\xC7\xB6\xD1\xD2\xD7\xAE"));  // 嵌岩桩 in GBK
    EXPECT_FALSE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), static_cast<qsizetype>(book.size()) - 1);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));  // no bare line feed
    EXPECT_EQ(test::decodeWithIconv(bytes, "GBK"), joined(book, "\r\n"));
    EXPECT_EQ(entries(), QStringList{kBookFile});
}

TEST_F(ResultFiles, bookInUtf8StartsWithTheMark) {
    const Lines book = twoPileBook();
    const SaveOutcome outcome = saveMemoFile({folder(), "UTF-8"}, kBookFile, book);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const QByteArray bytes = readFile(outcome.path);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    auto decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes.mid(3));
    EXPECT_FALSE(decoder.hasError());
    EXPECT_EQ(text, joined(book, "\r\n"));
    EXPECT_TRUE(text.endsWith(QStringLiteral("计算时间：2024/5/6 9:08:07")));
}

TEST_F(ResultFiles, asciiLocaleWritesUtf8InsteadOfQuestionMarks) {
    const Lines lines{u"嵌岩桩", u"ZH1"};
    ASSERT_TRUE(saveMemoFile({folder(), "ANSI_X3.4-1968"}, kBookFile, lines).ok);
    EXPECT_EQ(readFile(pathOf(kBookFile)), QByteArray("\xEF\xBB\xBF\xE5\xB5\x8C\xE5\xB2\xA9\xE6\xA1\xA9\r\nZH1"));

    const auto lineAt = [&](std::size_t k) { return lines[k]; };
    ASSERT_TRUE(saveOptimisationFile({folder(), "ANSI_X3.4-1968"}, kRawListFile, lines.size(), lineAt).ok);
    EXPECT_EQ(readFile(pathOf(kRawListFile)), QByteArray("\xE5\xB5\x8C\xE5\xB2\xA9\xE6\xA1\xA9\r\nZH1\r\n"));
}

TEST_F(ResultFiles, defaultTargetIsTheDocumentsFolder) {
    const Lines lines{u"line"};
    const SaveOutcome outcome = saveMemoFile(kBookFile, lines);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.path, pathOf(kBookFile));
    EXPECT_TRUE(readFile(outcome.path).endsWith("line"));
    EXPECT_EQ(defaultResultFileTarget().folder, folder());
}

TEST_F(ResultFiles, savingAgainReplacesTheFileAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(saveMemoFile({folder(), "GBK"}, kBookFile, {u"first save, a longer text than the second"}).ok);
    ASSERT_TRUE(saveMemoFile({folder(), "GBK"}, kBookFile, {u"second"}).ok);
    EXPECT_EQ(readFile(pathOf(kBookFile)), QByteArray("second"));
    EXPECT_EQ(entries(), QStringList{kBookFile});
}

TEST_F(ResultFiles, optimisationListIsStreamedWithCrLfAfterEveryLine) {
    // A head, 200,000 rows and a footer, produced on demand.
    constexpr std::size_t rows = 200000;
    const Lines head = optimisationTableHead(u"嵌岩桩优化计算原始结果");
    const Lines foot = SummaryFooter(u"2024/5/6 9:08:07");
    const std::array<std::u16string_view, kOptimisationCells> cells{
        u"",     u"1000", u"7636",   u"1.0d", u"25.00", u"是",    u"0.70", u"1.00", u"0.0490",
        u"3848", u"28%",  u"0.5040", u"9896", u"72%",   u"13744", u"1.80", u""};
    const std::size_t total = head.size() + rows + foot.size();
    const auto lineAt = [&](std::size_t k) -> std::u16string {
        if (k < head.size()) return head[k];
        if (k < head.size() + rows) return optimisationTableRow(k - head.size() + 1, rows, cells);
        return foot[k - head.size() - rows];
    };
    const SaveOutcome outcome = saveOptimisationFile({folder(), "GBK"}, kRawListFile, total, lineAt);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();

    const QByteArray bytes = readFile(outcome.path);
    EXPECT_EQ(bytes.count("\r\n"), static_cast<qsizetype>(total));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(total) + 1);  // after the last CR LF comes nothing
    EXPECT_TRUE(lines.back().isEmpty());
    EXPECT_EQ(test::decodeWithIconv(lines[0].chopped(1), "GBK"), QString::fromStdU16String(head[0]));
    EXPECT_EQ(test::decodeWithIconv(lines[5].chopped(1), "GBK"),
              QString::fromStdU16String(optimisationTableRow(1, rows, cells)));
    EXPECT_TRUE(lines[5].startsWith(" ZH-000001  "));
    EXPECT_TRUE(lines[5 + rows - 1].startsWith(" ZH-200000  "));
    EXPECT_EQ(test::decodeWithIconv(lines[total - 1].chopped(1), "GBK"), QStringLiteral("计算时间：2024/5/6 9:08:07"));
}

TEST_F(ResultFiles, optimisationListInUtf8HasNoMark) {
    const Lines lines{u"桩"};
    ASSERT_TRUE(saveOptimisationFile({folder(), "UTF-8"}, kRawListFile, 1, [&](std::size_t k) { return lines[k]; }).ok);
    EXPECT_EQ(readFile(pathOf(kRawListFile)), QByteArray("\xE6\xA1\xA9\r\n"));
}

// Failures that can be forced even when the tests run with full rights.
struct FailureCase {
    const char* name;
    QString subFolder;   // documents folder below the temporary folder; empty: none can be determined
    bool folderIsFile;   // the documents folder path names a regular file
    bool nameIsFolder;   // a folder already has the result file's name
    const char* reason;  // part of the message
};

class SaveFailure : public ResultFiles, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailure, isReportedNamingTheFileAndWritesNothing) {
    const auto& c = GetParam();
    QString target;
    if (!c.subFolder.isEmpty()) target = folder() + "/" + c.subFolder;
    if (c.folderIsFile) {
        ASSERT_TRUE(writeFile(target, "a plain file"));
    }
    if (c.nameIsFolder) {
        ASSERT_TRUE(QDir().mkpath(resultFilePath(target, kBookFile)));
    }
    const QStringList before = entries();

    const SaveOutcome memo = saveMemoFile({target, "GBK"}, kBookFile, {u"text"});
    const SaveOutcome list =
        saveOptimisationFile({target, "GBK"}, kBookFile, 3, [](std::size_t) { return std::u16string(u"row"); });
    for (const SaveOutcome& outcome : {memo, list}) {
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.error.startsWith(QStringLiteral("无法保存文件“"))) << outcome.error.toStdString();
        EXPECT_TRUE(outcome.error.contains(kBookFile)) << outcome.error.toStdString();
        EXPECT_TRUE(outcome.error.contains(QString::fromUtf8(c.reason))) << outcome.error.toStdString();
    }
    EXPECT_EQ(entries(), before);
    if (c.folderIsFile) {
        EXPECT_EQ(readFile(target), QByteArray("a plain file"));
    }
    if (c.nameIsFolder) {
        EXPECT_TRUE(QFileInfo(resultFilePath(target, kBookFile)).isDir());
    }
    if (!c.subFolder.isEmpty() && !c.folderIsFile && !c.nameIsFolder) {
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    EXPECT_FALSE(QFileInfo::exists(QDir::rootPath() + kBookFile));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailure,
    ::testing::Values(FailureCase{"missing_folder_is_not_created", "gone", false, false, "不存在"},
                      FailureCase{"folder_path_is_a_file", "plain", true, false, "不是文件夹"},
                      FailureCase{"name_taken_by_a_folder", "docs", false, true, "已有同名的文件夹"},
                      FailureCase{"no_documents_folder_never_writes_to_root", "", false, false, "无法确定文档文件夹"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultFiles, failureWhileProducingLinesKeepsTheEarlierFile) {
    ASSERT_TRUE(writeFile(pathOf(kRawListFile), "earlier list"));
    const auto lineAt = [](std::size_t k) -> std::u16string {
        if (k == 150000) throw std::runtime_error("grid changed");
        return u"ZH-000001 a row long enough to reach the disk before the failure";
    };
    const SaveOutcome outcome = saveOptimisationFile({folder(), "GBK"}, kRawListFile, 200000, lineAt);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(kRawListFile)) << outcome.error.toStdString();
    EXPECT_EQ(readFile(pathOf(kRawListFile)), QByteArray("earlier list"));
    EXPECT_EQ(entries(), QStringList{kRawListFile});
}

// A file size limit makes writes fail as a full disk does, whatever rights
// the test runs with.
class FullDisk : public ResultFiles {
  protected:
    void SetUp() override {
        ResultFiles::SetUp();
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &m_saved), 0);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    void limit(rlim_t bytes) {
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    void TearDown() override {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
        ResultFiles::TearDown();
    }

  private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

TEST_F(FullDisk, failedWriteKeepsTheEarlierFileAndRemovesTheTemporaryOne) {
    ASSERT_TRUE(writeFile(pathOf(kRawListFile), "earlier list"));
    ASSERT_TRUE(writeFile(pathOf(kBookFile), "earlier book"));
    limit(64 * 1024);

    const auto lineAt = [](std::size_t) { return std::u16string(u"ZH-000001  圆  桩  1000  1.0d  25.00 ..."); };
    const SaveOutcome list = saveOptimisationFile({folder(), "GBK"}, kRawListFile, 200000, lineAt);
    const Lines bigBook(20000, std::u16string(u"      嵌岩段总极限侧阻力标准值Qcs:    3848.45 kN"));
    const SaveOutcome book = saveMemoFile({folder(), "UTF-8"}, kBookFile, bigBook);

    for (const SaveOutcome& outcome : {list, book}) {
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.error.startsWith(QStringLiteral("无法保存文件“"))) << outcome.error.toStdString();
        // The system's reason, not the note of the clean-up that followed it.
        EXPECT_TRUE(outcome.error.contains(QStringLiteral("写入失败"))) << outcome.error.toStdString();
        EXPECT_FALSE(outcome.error.contains(QStringLiteral("cancel"), Qt::CaseInsensitive))
            << outcome.error.toStdString();
    }
    EXPECT_TRUE(list.error.contains(kRawListFile));
    EXPECT_TRUE(book.error.contains(kBookFile));
    EXPECT_EQ(readFile(pathOf(kRawListFile)), QByteArray("earlier list"));
    EXPECT_EQ(readFile(pathOf(kBookFile)), QByteArray("earlier book"));
    QStringList expected{kBookFile, kRawListFile};
    expected.sort();
    QStringList actual = entries();
    actual.sort();
    EXPECT_EQ(actual, expected);
}

TEST(ResultFilePath, joinsFolderAndNameWithOneSeparator) {
    EXPECT_EQ(resultFilePath("/home/eng/Documents", "a.txt"), "/home/eng/Documents/a.txt");
    EXPECT_EQ(resultFilePath("/home/eng/Documents/", "a.txt"), "/home/eng/Documents/a.txt");
}

TEST(DocumentsFolder, testingFolderOverridesAndEmptyRestores) {
    const QString system = documentsFolder();
    setDocumentsFolderForTesting("/tmp/somewhere");
    EXPECT_EQ(documentsFolder(), "/tmp/somewhere");
    setDocumentsFolderForTesting(QString());
    EXPECT_EQ(documentsFolder(), system);
}

}  // namespace
}  // namespace pilecalc::platform
