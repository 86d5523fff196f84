// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window test classes. With a class name as first argument only that class runs
// (CTest runs each class as a test of its own); the other arguments go to Qt Test, so
// "app_tests ViewerTest deleteLastDownToEmpty" runs one function. The exit code counts
// the failed classes.
#include <QApplication>
#include <QTest>
#include <cstring>
#include <vector>

#include "AppTests.h"

namespace pilecalc::test {

std::vector<TestClass>& testClasses() {
    static std::vector<TestClass> classes;
    return classes;
}

}  // namespace pilecalc::test

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<char*> args(argv, argv + argc);
    const char* only = nullptr;
    if (args.size() > 1 && args[1][0] != '-') {
        only = args[1];
        args.erase(args.begin() + 1);
    }
    int failed = 0;
    bool found = false;
    for (const auto& test : pilecalc::test::testClasses()) {
        if (only && test.name != only) continue;
        found = true;
        const std::unique_ptr<QObject> object = test.make();
        failed += QTest::qExec(object.get(), static_cast<int>(args.size()), args.data()) != 0 ? 1 : 0;
    }
    if (only && !found) {
        qCritical("no test class named %s", only);
        return 1;
    }
    return failed;
}
