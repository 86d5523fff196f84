// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pilecalc::test {

struct TestClass {
    std::string name;  // the class name, which CTest uses to run the class alone
    std::function<std::unique_ptr<QObject>()> make;
};

// The test classes of this program; each source file adds its own at start-up.
std::vector<TestClass>& testClasses();

template <class T>
struct RegisterTest {
    RegisterTest() {
        testClasses().push_back({T::staticMetaObject.className(), [] { return std::make_unique<T>(); }});
    }
};

}  // namespace pilecalc::test
