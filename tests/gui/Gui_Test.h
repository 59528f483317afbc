// Shared by the shell's Qt tests: every test class registers itself and runs under the program's
// own application object, so the safety net and the application's help are those of the program.
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace Vexlor::Test {

using TTest_Factory = std::function<std::unique_ptr<QObject>()>;
std::vector<TTest_Factory>& Gui_Tests();

template <class T> struct TRegister_Gui_Test {
    TRegister_Gui_Test() {
        Gui_Tests().push_back([] { return std::make_unique<T>(); });
    }
};

// Once the next modal window is up, hands it to inspect (nullptr when none came up) and closes it.
void Close_Next_Modal(std::function<void(QWidget*)> inspect);

} // namespace Vexlor::Test
