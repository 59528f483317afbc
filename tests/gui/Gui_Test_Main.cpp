#include "Gui_Test.h"

#include "shell/Vexlor_Application.h"
#include "widgets/Text_Convert.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <deque>

namespace Vexlor::Test {
namespace {

// A driver is the context of the drive it queues, so a driver gone takes that drive with it.
class TQueued_Driver final : public QObject, public TModal_Driver {
  public:
    explicit TQueued_Driver(std::function<void(QWidget*)> drive);
    ~TQueued_Driver() override;

    bool Driven() const override { return Ran; }
    void Take(QWidget* window) {
        QTimer::singleShot(0, this, [this, shown = QPointer<QWidget>(window)] { Run(shown); });
    }

  private:
    void Run(QWidget* window) {
        if (!window) {
            QTest::qFail("The modal window was gone before it could be driven", __FILE__, __LINE__);
            return;
        }
        Drive(window);
        Ran = true;
        if (QTest::currentTestFailed() && window->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->reject();
            else
                window->close();
        }
    }

    std::function<void(QWidget*)> Drive;
    bool Ran = false;
};

// Sees every window shown and hands each modal one to the driver that has waited longest.
class TModal_Watch final : public QObject {
  public:
    static TModal_Watch& Get() {
        static QPointer<TModal_Watch> watch;
        if (!watch) {
            watch = new TModal_Watch(qApp);
            qApp->installEventFilter(watch);
        }
        return *watch;
    }
    void Wait(TQueued_Driver* driver) { Waiting.push_back(driver); }
    void Forget(TQueued_Driver* driver) { std::erase(Waiting, driver); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !Waiting.empty() && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window->isModal()) {
                TQueued_Driver* driver = Waiting.front();
                Waiting.pop_front();
                driver->Take(window);
            }
        }
        return false;
    }

  private:
    using QObject::QObject;
    std::deque<TQueued_Driver*> Waiting;
};

TQueued_Driver::TQueued_Driver(std::function<void(QWidget*)> drive) : Drive(std::move(drive)) {
    TModal_Watch::Get().Wait(this);
}

TQueued_Driver::~TQueued_Driver() {
    TModal_Watch::Get().Forget(this);
    if (!Ran && !QTest::currentTestFailed())
        QTest::qFail("No modal window came up to be driven", __FILE__, __LINE__);
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

std::unique_ptr<TModal_Driver> When_Modal(std::function<void(QWidget*)> drive) {
    return std::make_unique<TQueued_Driver>(std::move(drive));
}

std::unique_ptr<TModal_Driver> Close_Next_Modal(std::function<void(QWidget*)> inspect) {
    return When_Modal([inspect = std::move(inspect)](QWidget* modal) {
        inspect(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

void Report_Missing(const char* name) {
    QTest::qFail(qPrintable(QStringLiteral("No control named ") + QString::fromLatin1(name)), __FILE__,
                 __LINE__);
}

void Right_Click(QWidget* widget, QPoint position) {
    QTest::mouseClick(widget, Qt::RightButton, {}, position);
    QContextMenuEvent click(QContextMenuEvent::Mouse, position, widget->mapToGlobal(position));
    QApplication::sendEvent(widget, &click);
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

QString Shown_Caption(QString caption) {
    static const QRegularExpression marker(QStringLiteral("&(.)"));
    return caption.replace(marker, QStringLiteral("\\1"));
}

void Save_Picture_If_Asked(QWidget* window, const QString& file_name) {
    const QString folder = qEnvironmentVariable("VEXLOR_PICTURES");
    if (folder.isEmpty())
        return;
    window->show();
    if (!QTest::qWaitForWindowExposed(window) ||
        !window->grab().save(folder + QLatin1Char('/') + file_name, "PNG"))
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
