#include "Gui_Test.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <stdexcept>

namespace Vexlor::Test {

class TSafety_Net_Test : public QObject {
    Q_OBJECT

  private slots:
    void An_Exception_From_A_Handler_Is_Shown_And_The_Program_Goes_On() {
        // What a handler throws, and the message the user reads.
        const std::vector<std::pair<std::function<void()>, QString>> failures = {
            {[] { throw std::runtime_error("The table file is broken"); },
             QStringLiteral("The table file is broken")},
            {[] { throw std::overflow_error("Caf\xE9 bill \x80 overflow"); },
             QStringLiteral(u"Caf\u00E9 bill \u20AC overflow")},
            {[] { throw 42; }, QStringLiteral("An unexpected error occurred.")}};
        for (const auto& [fail, message] : failures) {
            QPushButton button(QStringLiteral("Roll"));
            connect(&button, &QPushButton::clicked, fail);
            button.show();
            QVERIFY(QTest::qWaitForWindowExposed(&button));
            // Twice: after the first failure the button and the event loop still work.
            for (int attempt = 1; attempt <= 2; ++attempt) {
                QString shown;
                Close_Next_Modal([&shown](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    if (box && box->icon() == QMessageBox::Critical)
                        shown = box->text();
                });
                QTest::mouseClick(&button, Qt::LeftButton);
                QCOMPARE(shown, message);
            }
        }
    }
};

namespace {
const TRegister_Gui_Test<TSafety_Net_Test> registration;
}

} // namespace Vexlor::Test

#include "Safety_Net_Test.moc"
