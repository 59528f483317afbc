#include "shell/referee/GM_Helper_Dialog_Controls.h"

#include "widgets/Keyboard.h"
#include "widgets/List_Widgets.h"
#include "widgets/Named_Controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>

namespace Vexlor {
namespace {

class TTool_Tab_Bar : public QTabBar {
  public:
    explicit TTool_Tab_Bar(QWidget* parent) : QTabBar(parent) { setUsesScrollButtons(false); }

  protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

// A side tab is as wide as its caption and as tall as a tab across the top.
QSize TTool_Tab_Bar::tabSizeHint(int index) const {
    QSize size = QTabBar::tabSizeHint(index);
    size.transpose();
    return size;
}

// The style draws a side tab's shape; its caption is drawn turned back to read across.
void TTool_Tab_Bar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTab tab;
    for (int index = 0; index < count(); ++index) {
        initStyleOption(&tab, index);
        painter.drawControl(QStyle::CE_TabBarTabShape, tab);
        painter.save();
        QSize across = tab.rect.size();
        across.transpose();
        QRect label(QPoint(), across);
        label.moveCenter(tab.rect.center());
        tab.rect = label;
        const QPoint centre = tabRect(index).center();
        painter.translate(centre);
        painter.rotate(90);
        painter.translate(-centre);
        painter.drawControl(QStyle::CE_TabBarTabLabel, tab);
        painter.restore();
    }
}

} // namespace

QSpinBox* Make_Number_Box(const char* name, int low, int high, int value, QWidget* parent) {
    auto* box = Make_Named<QSpinBox>(parent, name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QComboBox* Make_Choice_Box(const char* name, const std::vector<std::string>& entries, QWidget* parent) {
    auto* box = Make_Named<QComboBox>(parent, name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Fill_Combo(box, entries);
    return box;
}

void Add_Labelled(QHBoxLayout* row, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    row->addWidget(label);
    row->addWidget(control);
}

QHBoxLayout* Make_Row(std::initializer_list<QWidget*> controls) {
    auto* row = new QHBoxLayout;
    for (QWidget* control : controls)
        row->addWidget(control);
    row->addStretch(1);
    return row;
}

QHBoxLayout* Make_Labelled_Row(const QString& caption, QWidget* input, QAbstractButton* button) {
    Enter_Presses(input, button);
    auto* row = new QHBoxLayout;
    Add_Labelled(row, caption, input);
    row->addWidget(button);
    row->addStretch(1);
    return row;
}

void Stack(QWidget* tab, QHBoxLayout* row, QWidget* results) {
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(row);
    layout->addWidget(results, 1);
}

TTool_Pages::TTool_Pages(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new TTool_Tab_Bar(this));
    setTabPosition(QTabWidget::West);
}

} // namespace Vexlor
