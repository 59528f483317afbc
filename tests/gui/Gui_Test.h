// Shared by the Qt tests of the windows: every test class registers itself and runs under the
// program's own application object; windows are driven by object name, modal ones through
// When_Modal, and any window can be checked for unnamed controls or saved as a picture.
#pragma once

#include <QObject>
#include <QStringList>
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

// Drives the next modal window to come up: made before the code that opens the window, it hands
// the window to drive inside the window's own event loop; several made in turn drive the windows
// that come up in turn. What it queues belongs to it, so nothing of it runs once the test that
// made it is over. A drive that failed a check and left its window up has the window closed, so
// the test goes on to report.
class TModal_Driver {
  public:
    virtual ~TModal_Driver() = default;
    // Whether drive has run: checked after the code that opens the window, with QTRY_VERIFY where
    // the window may come up later. A driver gone undriven fails the test too.
    virtual bool Driven() const = 0;
};

[[nodiscard]] std::unique_ptr<TModal_Driver> When_Modal(std::function<void(QWidget*)> drive);
// Drives the next modal window with inspect, then closes it.
[[nodiscard]] std::unique_ptr<TModal_Driver> Close_Next_Modal(std::function<void(QWidget*)> inspect);

void Report_Missing(const char* name);
// The child of root named name, of type T; the test fails when there is none.
template <class T> T* Find(const QObject* root, const char* name) {
    T* child = root->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        Report_Missing(name);
    return child;
}

// A right click at position in widget as the windowing system delivers it: the right button
// pressed and released, then the context-menu event.
void Right_Click(QWidget* widget, QPoint position);

// The controls of window a user can work (buttons, boxes, lists, edits, tabs) that carry no
// object name, described by class and text; parts inside Qt's own composite controls are left out.
QStringList Unnamed_Controls(const QWidget* window);

// A caption as the user reads it: the & marking its accelerator left out, && read as one &.
QString Shown_Caption(QString caption);

// Saves a picture of window, shown and on screen, as file_name in the folder VEXLOR_PICTURES
// names, when it names one, so that a test run makes pictures only when asked to; a picture that
// cannot be written fails the test.
void Save_Picture_If_Asked(QWidget* window, const QString& file_name);

} // namespace Vexlor::Test
