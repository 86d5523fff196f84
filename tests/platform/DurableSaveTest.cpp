// SPDX-License-Identifier: GPL-3.0-or-later
// Saving when the disk fills up, and the permissions of the files written. A file-size
// limit (with SIGXFSZ ignored) makes a write fail as a full disk does, at any size and
// whatever rights the tests run with.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

#include "support/TestFiles.h"
#include "platform/DocumentsFolder.h"
#include "platform/DurableFile.h"
#include "platform/ResultFile.h"
#include "reports/OptimisationTable.h"
#include "reports/SummaryTable.h"

namespace pilecalc::platform {
namespace {

using pilecalc::test::readFile;
using pilecalc::test::writeFile;

const QString kBookFile = QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_文本.txt");
const QString kTableFile = QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_表格.txt");
const QString kRawListFile = QStringLiteral("嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt");

// The earlier file: longer than the limit, so a truncated new file could not look like it.
QByteArray earlierBytes(const char* what) {
    QByteArray bytes = QByteArray("earlier ") + what + "\r\n";
    while (bytes.size() < 400 * 1024) bytes += "ZH1  圆  桩  1000  1.0d  25.00  是  0.70\r\n";
    return bytes;
}

enum class Kind { Book, Table, List };

struct LimitCase {
    const char* name;
    Kind kind;
    rlim_t limit;           // bytes a file may reach
    std::size_t textBytes;  // about how much the save writes
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

// Lines of about `bytes` in total, in the shape of each file.
Lines linesOf(Kind kind, std::size_t bytes) {
    Lines lines;
    std::size_t size = 0;
    if (kind == Kind::Table) lines = SummaryHeader();
    if (kind == Kind::List) lines = optimisationTableHead(u"嵌岩桩优化计算原始结果");
    for (const auto& line : lines) size += line.size();
    const std::u16string row = kind == Kind::Book
                                   ? std::u16string(u"      嵌岩段总极限侧阻力标准值Qcs:    3848.45 kN")
                                   : std::u16string(u" ZH-0001    圆  桩    1000    1.0d   25.00    是      0.70  ");
    while (size < bytes) {
        lines.push_back(row);
        size += row.size() + 2;
    }
    return lines;
}

class FullDiskSave : public ::testing::TestWithParam<LimitCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &m_saved), 0);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    void TearDown() override {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    void limitFileSize(rlim_t bytes) {
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    void lift() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    QString folder() const { return m_dir.path(); }
    QStringList entries() const {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

  private:
    QTemporaryDir m_dir;
    rlimit m_saved{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

TEST_P(FullDiskSave, keepsTheEarlierFileByteForByteAndNamesFileAndReason) {
    const LimitCase& c = GetParam();
    const QString name = c.kind == Kind::Book ? kBookFile : c.kind == Kind::Table ? kTableFile : kRawListFile;
    const QString path = resultFilePath(folder(), name);
    const QByteArray earlier = earlierBytes(c.name);
    ASSERT_TRUE(writeFile(path, earlier));
    const Lines lines = linesOf(c.kind, c.textBytes);

    for (const char* codeset : {"GBK", "UTF-8"}) {
        limitFileSize(c.limit);
        const ResultFileTarget target{folder(), codeset};
        const SaveOutcome outcome = c.kind == Kind::List ? saveOptimisationFile(target, name, lines.size(),
                                                                                [&](std::size_t k) { return lines[k]; })
                                                         : saveMemoFile(target, name, lines);
        lift();

        EXPECT_FALSE(outcome.ok) << codeset;
        EXPECT_TRUE(outcome.error.contains(name)) << outcome.error.toStdString();
        // The system's own words for a file grown past its limit, not a made-up text.
        EXPECT_TRUE(outcome.error.contains(qt_error_string(EFBIG))) << outcome.error.toStdString();
        EXPECT_FALSE(outcome.error.contains(QStringLiteral("Unknown error"))) << outcome.error.toStdString();
        EXPECT_TRUE(readFile(path) == earlier) << codeset;
        EXPECT_EQ(entries(), QStringList{name}) << codeset;  // no temporary file is left
    }
    // With room on the disk the same save goes through.
    const SaveOutcome roomy = c.kind == Kind::List ? saveOptimisationFile({folder(), "GBK"}, name, lines.size(),
                                                                          [&](std::size_t k) { return lines[k]; })
                                                   : saveMemoFile({folder(), "GBK"}, name, lines);
    EXPECT_TRUE(roomy.ok) << roomy.error.toStdString();
    EXPECT_GE(readFile(path).size(), static_cast<qsizetype>(c.limit));
}

// The write buffer is 256 KiB: a save smaller than it fails only at its single write
// (or at the flush), a larger one part way through.
INSTANTIATE_TEST_SUITE_P(Limits, FullDiskSave,
                         ::testing::Values(LimitCase{"book_below_the_buffer", Kind::Book, 1000, 3000},
                                           LimitCase{"book_above_the_buffer", Kind::Book, 300 * 1024, 1024 * 1024},
                                           LimitCase{"table_below_the_buffer", Kind::Table, 1000, 3000},
                                           LimitCase{"table_above_the_buffer", Kind::Table, 300 * 1024, 1024 * 1024},
                                           LimitCase{"list_below_the_buffer", Kind::List, 1000, 3000},
                                           LimitCase{"list_above_the_buffer", Kind::List, 300 * 1024, 1024 * 1024},
                                           LimitCase{"list_limit_at_the_first_byte", Kind::List, 0, 3000}),
                         [](const auto& info) { return std::string(info.param.name); });

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

class DurableFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString pathOf(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    QStringList entries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

  private:
    QTemporaryDir m_dir;
};

TEST_F(DurableFileTest, newFileGetsTheUmaskModeAndReplacedFileKeepsItsOwn) {
    const mode_t oldMask = ::umask(022);
    DurableFile created;
    ASSERT_TRUE(created.open(pathOf("new.txt")));
    ASSERT_TRUE(created.write("abc", 3));
    ASSERT_TRUE(created.commit()) << created.errorString().toStdString();
    EXPECT_EQ(modeOf(pathOf("new.txt")), mode_t(0644));

    ASSERT_TRUE(writeFile(pathOf("kept.txt"), "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(pathOf("kept.txt")).constData(), 0600), 0);
    DurableFile replaced;
    ASSERT_TRUE(replaced.open(pathOf("kept.txt")));
    ASSERT_TRUE(replaced.write("new", 3));
    ASSERT_TRUE(replaced.commit());
    ::umask(oldMask);
    EXPECT_EQ(modeOf(pathOf("kept.txt")), mode_t(0600));
    EXPECT_EQ(readFile(pathOf("kept.txt")), QByteArray("new"));
    QStringList expected{"kept.txt", "new.txt"};
    EXPECT_EQ(entries(), expected);
}

TEST_F(DurableFileTest, discardedOrAbandonedFileLeavesTargetAndNoTemporary) {
    ASSERT_TRUE(writeFile(pathOf("a.txt"), "old a"));
    {
        DurableFile file;
        ASSERT_TRUE(file.open(pathOf("a.txt")));
        ASSERT_TRUE(file.write("half", 4));
        EXPECT_EQ(entries().size(), 2);  // the temporary file sits beside the target
        file.discard();
    }
    {
        DurableFile file;  // destroyed without commit, as when a save throws
        ASSERT_TRUE(file.open(pathOf("a.txt")));
        ASSERT_TRUE(file.write("half", 4));
    }
    EXPECT_EQ(readFile(pathOf("a.txt")), QByteArray("old a"));
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(DurableFileTest, symbolicLinkIsFollowedSoTheLinkStays) {
    ASSERT_TRUE(writeFile(pathOf("real.txt"), "old"));
    ASSERT_TRUE(QFile::link(pathOf("real.txt"), pathOf("link.txt")));
    DurableFile file;
    ASSERT_TRUE(file.open(pathOf("link.txt")));
    ASSERT_TRUE(file.write("new", 3));
    ASSERT_TRUE(file.commit());
    EXPECT_TRUE(QFileInfo(pathOf("link.txt")).isSymLink());
    EXPECT_EQ(readFile(pathOf("real.txt")), QByteArray("new"));
}

TEST_F(DurableFileTest, folderThatCannotTakeFilesIsReportedWithTheSystemsReason) {
    DurableFile file;
    EXPECT_FALSE(file.open(pathOf("no/such/folder/a.txt")));
    EXPECT_EQ(file.errorString(), qt_error_string(ENOENT));
    EXPECT_FALSE(file.isOpen());
    EXPECT_TRUE(entries().isEmpty());
}

}  // namespace
}  // namespace pilecalc::platform
