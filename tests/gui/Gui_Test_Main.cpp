#include "Gui_Test.h"

#include "shell/Text_Convert.h"
#include "shell/Vexlor_Application.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

namespace Vexlor::Test {

std::vector<TTest_Factory>& Gui_Tests() {
    static std::vector<TTest_Factory> tests;
    return tests;
}

void Close_Next_Modal(std::function<void(QWidget*)> inspect) {
    QTimer::singleShot(0, [inspect = std::move(inspect)] {
        QWidget* modal = QApplication::activeModalWidget();
        inspect(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

} // namespace Vexlor::Test

int main(int argc, char* argv[]) {
    Vexlor::TVexlor_Application application(argc, argv);
    application.Set_Title(Vexlor::To_QString(Vexlor::Application_Title));
    application.Set_Help_File(Vexlor::Help_File_Name);
    int failures = 0;
    for (const auto& make_test : Vexlor::Test::Gui_Tests()) {
        const std::unique_ptr<QObject> test = make_test();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
