#include "Gui_Test.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace Vexlor::Test {

class TSafety_Net_Test : public QObject {
    Q_OBJECT

  private slots:
    void An_Exception_From_A_Handler_Is_Shown_And_The_Program_Goes_On_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("runtime error") << 0 << QStringLiteral("The table file is broken");
        QTest::newRow("overflow in Windows-1252 text")
            << 1 << QStringLiteral(u"Caf\u00E9 bill \u20AC overflow");
        QTest::newRow("not a standard exception") << 2 << QStringLiteral("An unexpected error occurred.");
    }

    void An_Exception_From_A_Handler_Is_Shown_And_The_Program_Goes_On() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        QPushButton button(QStringLiteral("Roll"));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [kind, &clicks] {
            ++clicks;
            switch (kind) {
            case 0:
                throw std::runtime_error("The table file is broken");
            case 1:
                throw std::overflow_error("Caf\xE9 bill \x80 overflow");
            default:
                throw 42;
            }
        });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        // Twice: after the first failure the button and the event loop still work.
        for (int attempt = 1; attempt <= 2; ++attempt) {
            QString shown;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            Close_Next_Modal([&shown, &icon](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    shown = box->text();
                    icon = box->icon();
                }
            });
            QTest::mouseClick(&button, Qt::LeftButton);
            QCOMPARE(clicks, attempt);
            QCOMPARE(shown, message);
            QCOMPARE(icon, QMessageBox::Critical);
        }
    }
};

namespace {
const TRegister_Gui_Test<TSafety_Net_Test> registration;
}

} // namespace Vexlor::Test

#include "Safety_Net_Test.moc"
