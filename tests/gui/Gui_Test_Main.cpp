#include "Gui_Test.h"

#include "shell/Text_Convert.h"
#include "shell/Vexlor_Application.h"

#include <QApplication>
#include <QDialog>
#include <QMetaMethod>
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
        else if (modal)
            modal->close();
    });
}

namespace {

// The test functions named on the command line ("Name" or "Name:row"), without options.
QStringList Named_Functions(const QStringList& arguments) {
    QStringList names;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument.startsWith(u'-')) {
            // Options that take a value: skip the value too.
            static const QStringList with_value = {
                QStringLiteral("-o"),          QStringLiteral("-eventdelay"),  QStringLiteral("-keydelay"),
                QStringLiteral("-mousedelay"), QStringLiteral("-maxwarnings"), QStringLiteral("-platform")};
            if (with_value.contains(argument))
                ++index;
            continue;
        }
        names << argument.section(u':', 0, 0);
    }
    return names;
}

// Whether test has one of the named functions, so a run for one function skips the other classes.
bool Has_Any(const QObject& test, const QStringList& names) {
    const QMetaObject* meta = test.metaObject();
    for (int index = meta->methodOffset(); index < meta->methodCount(); ++index)
        if (names.contains(QString::fromLatin1(meta->method(index).name())))
            return true;
    return false;
}

} // namespace

} // namespace Vexlor::Test

int main(int argc, char* argv[]) {
    Vexlor::TVexlor_Application application(argc, argv);
    application.Set_Title(Vexlor::To_QString(Vexlor::Application_Title));
    application.Set_Help_File(Vexlor::Help_File_Name);
    const QStringList named = Vexlor::Test::Named_Functions(QCoreApplication::arguments());
    int failures = 0;
    for (const auto& make_test : Vexlor::Test::Gui_Tests()) {
        const std::unique_ptr<QObject> test = make_test();
        if (named.isEmpty() || Vexlor::Test::Has_Any(*test, named))
            failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
