#include "Gui_Test.h"

#include "shell/Vexlor_Application.h"
#include "widgets/Text_Convert.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace Vexlor::Test {
namespace {

constexpr int Poll_Interval = 10;

void Poll_For_Modal(QPointer<QWidget> before, std::shared_ptr<QElapsedTimer> clock,
                    std::function<void(QWidget*)> drive, int timeout_ms) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != before) {
        drive(modal);
        return;
    }
    if (clock->elapsed() > timeout_ms) {
        QTest::qFail("No modal window came up in time", __FILE__, __LINE__);
        drive(nullptr);
        return;
    }
    QTimer::singleShot(Poll_Interval, [before, clock, drive = std::move(drive), timeout_ms] {
        Poll_For_Modal(before, clock, drive, timeout_ms);
    });
}

bool Is_Control(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTabWidget*>(widget);
}

// A part of one of Qt's composite controls (a spin box's edit, a combo box's list, a tab bar's
// scroll buttons) belongs to that control, not to the window.
bool Inside_Control(const QWidget* widget, const QWidget* window) {
    for (const QWidget* parent = widget->parentWidget(); parent && parent != window;
         parent = parent->parentWidget())
        if (Is_Control(parent) && !qobject_cast<const QTabWidget*>(parent))
            return true;
    return widget->objectName().startsWith(QStringLiteral("qt_"));
}

} // namespace

std::vector<TTest_Factory>& Gui_Tests() {
    static std::vector<TTest_Factory> tests;
    return tests;
}

void When_Modal(std::function<void(QWidget*)> drive, int timeout_ms) {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [before, clock, drive = std::move(drive), timeout_ms] {
        Poll_For_Modal(before, clock, drive, timeout_ms);
    });
}

void Close_Next_Modal(std::function<void(QWidget*)> inspect) {
    When_Modal([inspect = std::move(inspect)](QWidget* modal) {
        inspect(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

void Report_Missing(const char* name) {
    QTest::qFail(qPrintable(QStringLiteral("No control named ") + QString::fromLatin1(name)), __FILE__,
                 __LINE__);
}

QStringList Unnamed_Controls(const QWidget* window) {
    QStringList unnamed;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        if (Is_Control(widget) && widget->objectName().isEmpty() && !Inside_Control(widget, window)) {
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            unnamed << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
                           (button ? button->text() : QString());
        }
    return unnamed;
}

bool Save_Window_Picture(QWidget* window, const QString& path) {
    return window->grab().save(path, "PNG");
}

void Save_Picture_If_Asked(QWidget* window, const QString& file_name) {
    const QString folder = qEnvironmentVariable("VEXLOR_PICTURES");
    if (!folder.isEmpty() && !Save_Window_Picture(window, folder + QLatin1Char('/') + file_name))
        QTest::qFail(qPrintable(QStringLiteral("Cannot write the picture ") + file_name), __FILE__, __LINE__);
}

} // namespace Vexlor::Test

int main(int argc, char* argv[]) {
    Vexlor::TVexlor_Application application(argc, argv);
    application.Set_Title(Vexlor::To_QString(Vexlor::Application_Title));
    int failures = 0;
    for (const auto& make_test : Vexlor::Test::Gui_Tests()) {
        const std::unique_ptr<QObject> test = make_test();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
