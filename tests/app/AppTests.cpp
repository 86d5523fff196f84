// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTests.h"

namespace pilecalc::test {

std::vector<TestFactory>& testClasses() {
    static std::vector<TestFactory> classes;
    return classes;
}

}  // namespace pilecalc::test
