// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and preparing the documents folder: created when missing, refused when the
// location cannot be right, never guessed at the file system root.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "support/TestFiles.h"
#include "platform/DocumentsFolder.h"

namespace pilecalc::platform {
namespace {

using pilecalc::test::writeFile;

struct LocationCase {
    const char* name;
    QString location;   // "@" stands for a fresh temporary folder
    bool ready;         // the folder can be used
    const char* shown;  // part of the problem, or of the path when ready
};
void PrintTo(const LocationCase& c, std::ostream* os) { *os << c.name; }

class FolderLocation : public ::testing::TestWithParam<LocationCase> {};

TEST_P(FolderLocation, isPreparedOrRefusedWithItsReason) {
    const LocationCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeFile(dir.path() + "/plain", "a file, not a folder"));
    QString location = c.location;
    location.replace("@", dir.path());

    const FolderLookup lookup = prepareFolder(location);
    EXPECT_EQ(lookup.ok(), c.ready) << lookup.problem.toStdString();
    if (c.ready) {
        EXPECT_TRUE(lookup.problem.isEmpty());
        EXPECT_TRUE(QFileInfo(lookup.path).isDir()) << lookup.path.toStdString();
        EXPECT_TRUE(QDir::isAbsolutePath(lookup.path));
        EXPECT_TRUE(lookup.path.endsWith(QString::fromUtf8(c.shown))) << lookup.path.toStdString();
    } else {
        EXPECT_TRUE(lookup.path.isEmpty());
        EXPECT_TRUE(lookup.problem.contains(QString::fromUtf8(c.shown))) << lookup.problem.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderLocation,
    ::testing::Values(
        LocationCase{"existing_folder_is_used", "@", true, ""},
        LocationCase{"missing_folder_is_created_with_its_parents", "@/home/eng/文档", true, "/home/eng/文档"},
        LocationCase{"doubled_and_trailing_separators_are_cleaned", "@//Documents/", true, "/Documents"},
        LocationCase{"no_location_is_refused", "", false, "无法确定文档文件夹：系统没有给出它的位置"},
        LocationCase{"relative_location_is_refused", "Documents", false, "“Documents”是相对路径"},
        LocationCase{"dot_relative_location_is_refused", "./docs", false, "是相对路径"},
        LocationCase{"root_is_refused", "/", false, "“/”是根文件夹"},
        LocationCase{"root_spelt_with_dots_is_refused", "/tmp/..", false, "“/”是根文件夹"},
        LocationCase{"doubled_root_is_refused", "//", false, "是根文件夹"},
        LocationCase{"location_that_is_a_file_is_refused", "@/plain", false, "不是文件夹"},
        LocationCase{"parent_that_is_a_file_cannot_be_created", "@/plain/Documents", false, "无法创建文档文件夹"}),
    [](const auto& info) { return std::string(info.param.name); });

// Sets environment variables for one test and puts them back.
class Environment {
  public:
    void set(const char* name, const QByteArray& value) {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char* name) {
        remember(name);
        qunsetenv(name);
    }
    ~Environment() {
        for (const auto& [name, value] : m_saved) {
            if (value) {
                qputenv(name, *value);
            } else {
                qunsetenv(name);
            }
        }
    }

  private:
    void remember(const char* name) {
        for (const auto& saved : m_saved) {
            if (saved.first == name) return;
        }
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

// The system's documents folder as the desktop names it: $HOME/Documents unless the
// user's folder list (user-dirs.dirs) says otherwise.
class SystemDocuments : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        setDocumentsFolderForTesting(QString());
        m_env.set("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + "/config"));
    }
    void userDirs(const QByteArray& documents) {
        ASSERT_TRUE(QDir().mkpath(m_dir.path() + "/config"));
        ASSERT_TRUE(writeFile(m_dir.path() + "/config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + documents + "\"\n"));
    }
    QString home() const { return m_dir.path() + "/home"; }

    Environment m_env;
    QTemporaryDir m_dir;
};

TEST_F(SystemDocuments, missingDocumentsFolderInHomeIsCreated) {
    m_env.set("HOME", QFile::encodeName(home()));
    const FolderLookup lookup = prepareDocumentsFolder();
    ASSERT_TRUE(lookup.ok()) << lookup.problem.toStdString();
    EXPECT_EQ(lookup.path, home() + "/Documents");
    EXPECT_TRUE(QFileInfo(home() + "/Documents").isDir());
}

TEST_F(SystemDocuments, userDirsEntryIsFollowedAndCreated) {
    m_env.set("HOME", QFile::encodeName(home()));
    userDirs("$HOME/文档");
    const FolderLookup lookup = prepareDocumentsFolder();
    ASSERT_TRUE(lookup.ok()) << lookup.problem.toStdString();
    EXPECT_EQ(lookup.path, home() + "/文档");
    EXPECT_TRUE(QFileInfo(lookup.path).isDir());
}

TEST_F(SystemDocuments, unsetOrEmptyHomeIsRefusedInsteadOfSlashSlashDocuments) {
    for (const bool empty : {false, true}) {
        if (empty) {
            m_env.set("HOME", "");
        } else {
            m_env.unset("HOME");
        }
        const FolderLookup lookup = prepareDocumentsFolder();
        EXPECT_FALSE(lookup.ok());
        EXPECT_TRUE(lookup.path.isEmpty());
        EXPECT_TRUE(lookup.problem.contains(QStringLiteral("没有设置用户主文件夹（环境变量 HOME）")))
            << lookup.problem.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists("/Documents"));
}

TEST_F(SystemDocuments, relativeHomeIsRefused) {
    m_env.set("HOME", "eng");
    const FolderLookup lookup = prepareDocumentsFolder();
    EXPECT_FALSE(lookup.ok());
    EXPECT_TRUE(lookup.problem.contains(QStringLiteral("用户主文件夹“eng”是相对路径"))) << lookup.problem.toStdString();
    EXPECT_FALSE(QFileInfo::exists("eng"));
}

TEST_F(SystemDocuments, userDirsNamingTheRootOrARelativeFolderIsRefused) {
    m_env.set("HOME", QFile::encodeName(home()));
    userDirs("/");
    FolderLookup lookup = prepareDocumentsFolder();
    EXPECT_FALSE(lookup.ok());
    EXPECT_TRUE(lookup.problem.contains(QStringLiteral("“/”是根文件夹"))) << lookup.problem.toStdString();

    userDirs("Docs");
    lookup = prepareDocumentsFolder();
    EXPECT_FALSE(lookup.ok());
    EXPECT_TRUE(lookup.problem.contains(QStringLiteral("“Docs”是相对路径"))) << lookup.problem.toStdString();
    EXPECT_FALSE(QFileInfo::exists("Docs"));
}

TEST(DocumentsFolderOverride, testingFolderIsPreparedLikeTheSystemsOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    setDocumentsFolderForTesting(dir.path() + "/a/b");
    const FolderLookup lookup = prepareDocumentsFolder();
    setDocumentsFolderForTesting(QString());
    ASSERT_TRUE(lookup.ok()) << lookup.problem.toStdString();
    EXPECT_TRUE(QFileInfo(dir.path() + "/a/b").isDir());
}

}  // namespace
}  // namespace pilecalc::platform
