// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every window test class in one program; the exit code counts failed classes.
#include <QApplication>
#include <QTest>

#include "AppTests.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& make : pilecalc::test::testClasses()) {
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failed;
}
