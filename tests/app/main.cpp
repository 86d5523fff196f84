// Runs every window test class in one program; the exit code counts failed classes.
// "--only=ClassA,ClassB" runs just those classes (used for the runs at other screen
// scales, which need a process of their own); every other argument goes to Qt Test.
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <cstring>
#include <vector>

#include "AppTests.h"

int main(int argc, char* argv[]) {
    QStringList only;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strncmp(argv[i], "--only=", 7) == 0) {
            only = QString::fromLocal8Bit(argv[i] + 7).split(u',', Qt::SkipEmptyParts);
        } else {
            args.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    QApplication app(count, args.data());
    int failed = 0;
    int ran = 0;
    for (const auto& make : pilecalc::test::testClasses()) {
        const std::unique_ptr<QObject> test = make();
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(test->metaObject()->className()))) continue;
        ++ran;
        failed += QTest::qExec(test.get(), count, args.data()) != 0 ? 1 : 0;
    }
    return ran == 0 ? 1 : failed;  // a filter that matches nothing is a mistake, not a pass
}
