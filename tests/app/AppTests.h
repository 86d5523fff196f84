// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace pilecalc::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// The test classes of this program; each source file adds its own at start-up.
std::vector<TestFactory>& testClasses();

template <class T>
struct RegisterTest {
    RegisterTest() {
        testClasses().push_back([] { return std::make_unique<T>(); });
    }
};

}  // namespace pilecalc::test
