#include "widgets/Keyboard.h"

#include "widgets/Visual_Order.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace Vexlor {
namespace {

constexpr const char* Enter_Button_Property = "Vexlor_Enter_Button";

// A radio button left unchosen while another of its set is chosen: Tab reaches the set at its
// chosen button, and the arrows move within it.
bool Unchosen_Radio(const QWidget* control) {
    const auto* radio = qobject_cast<const QRadioButton*>(control);
    if (!radio || radio->isChecked() || !radio->autoExclusive())
        return false;
    for (const QObject* sibling : radio->parent()->children())
        if (const auto* other = qobject_cast<const QRadioButton*>(sibling);
            other && other->autoExclusive() && other->isChecked() && other->group() == radio->group())
            return true;
    return false;
}

bool Is_Stop(const QWidget* control) {
    return (control->focusPolicy() & Qt::TabFocus) && !control->focusProxy() && control->isEnabled() &&
           control->isVisible() && !Unchosen_Radio(control);
}

bool Holds_Stops(const QWidget* group) {
    const QList<QWidget*> inside = group->findChildren<QWidget*>();
    return std::any_of(inside.begin(), inside.end(),
                       [](const QWidget* control) { return !control->isWindow() && Is_Stop(control); });
}

bool Holds_Stops(QLayout* layout);

// A part of a group that Tab visits: a control, or a group (a widget or a layout) holding some.
struct TPart {
    QWidget* Widget = nullptr;
    QLayout* Layout = nullptr;
    QRect Place;
};

std::optional<TPart> Part_Of(QLayoutItem* item) {
    if (QWidget* widget = item->widget()) {
        if (widget->isWindow() || !widget->isVisible() || !(Is_Stop(widget) || Holds_Stops(widget)))
            return std::nullopt;
        return TPart{widget, nullptr, widget->geometry()};
    }
    if (QLayout* layout = item->layout(); layout && Holds_Stops(layout))
        return TPart{nullptr, layout, layout->geometry()};
    return std::nullopt;
}

bool Holds_Stops(QLayout* layout) {
    for (int index = 0; index < layout->count(); ++index)
        if (Part_Of(layout->itemAt(index)))
            return true;
    return false;
}

void Collect(const QWidget* group, QList<QWidget*>& chain);

// Parts in reading order, each control taken into chain and each group read through in its place.
void Collect_Parts(const std::vector<TPart>& parts, QList<QWidget*>& chain);

// A layout's parts: a layout within it (a column of a form, a row of buttons) is read as a group,
// so that a column is read down before the column beside it.
void Collect(QLayout* layout, QList<QWidget*>& chain) {
    std::vector<TPart> parts;
    for (int index = 0; index < layout->count(); ++index)
        if (const auto part = Part_Of(layout->itemAt(index)))
            parts.push_back(*part);
    Collect_Parts(parts, chain);
}

// A widget laid out by a layout is read by it; one that places its children itself (the tab bar
// and the pages of a set of tabs) by their places.
void Collect(const QWidget* group, QList<QWidget*>& chain) {
    if (QLayout* layout = group->layout()) {
        Collect(layout, chain);
        return;
    }
    std::vector<TPart> parts;
    for (QObject* child : group->children())
        if (auto* member = qobject_cast<QWidget*>(child);
            member && !member->isWindow() && member->isVisible() && (Is_Stop(member) || Holds_Stops(member)))
            parts.push_back({member, nullptr, member->geometry()});
    Collect_Parts(parts, chain);
}

void Collect_Parts(const std::vector<TPart>& parts, QList<QWidget*>& chain) {
    std::vector<TScreen_Rect> places;
    for (const TPart& part : parts)
        places.push_back({part.Place.x(), part.Place.y(), part.Place.width(), part.Place.height()});
    for (const std::size_t index : Visual_Order(places)) {
        const TPart& part = parts[index];
        if (part.Layout)
            Collect(part.Layout, chain);
        else if (Is_Stop(part.Widget))
            chain << part.Widget;
        else
            Collect(part.Widget, chain);
    }
}

// The control of chain that holds the focus widget (a box's inner text field has the focus for
// it); null when none does.
QWidget* Stop_Holding(const QList<QWidget*>& chain, QWidget* focus) {
    for (QWidget* widget = focus; widget; widget = widget->parentWidget())
        if (chain.contains(widget))
            return widget;
    return nullptr;
}

QAbstractButton* Enter_Button_Of(QWidget* window, QWidget* focus) {
    for (QWidget* widget = focus; widget && widget != window; widget = widget->parentWidget())
        if (const QVariant button = widget->property(Enter_Button_Property); button.isValid())
            return button.value<QPointer<QAbstractButton>>();
    return nullptr;
}

QAbstractItemView* List_Of(QWidget* window, QWidget* focus) {
    for (QWidget* widget = focus; widget && widget != window; widget = widget->parentWidget())
        if (auto* list = qobject_cast<QAbstractItemView*>(widget))
            return list;
    return nullptr;
}

} // namespace

QList<QWidget*> Reading_Order_Chain(QWidget* window) {
    QList<QWidget*> chain;
    Collect(window, chain);
    return chain;
}

bool Focus_Next_In_Reading_Order(QWidget* window, bool next) {
    const QList<QWidget*> chain = Reading_Order_Chain(window);
    if (chain.isEmpty())
        return false;
    const qsizetype at = chain.indexOf(Stop_Holding(chain, window->focusWidget()));
    const qsizetype count = chain.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    chain[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Enter_Presses(QWidget* box, QAbstractButton* button) {
    box->setProperty(Enter_Button_Property, QVariant::fromValue(QPointer<QAbstractButton>(button)));
}

bool Handle_Enter(QWidget* window) {
    QWidget* focus = window->focusWidget();
    if (QAbstractButton* button = Enter_Button_Of(window, focus)) {
        if (button->isEnabled() && button->isVisible())
            button->click();
        return true;
    }
    QAbstractItemView* list = List_Of(window, focus);
    if (!list)
        return false;
    const QModelIndex line = list->currentIndex();
    if (line.isValid() && list->selectionModel() && list->selectionModel()->isSelected(line))
        emit list->doubleClicked(line);
    return true;
}

void Point_At(QWidget* control) {
    for (QWidget* page = control; page; page = page->parentWidget())
        for (QWidget* above = page->parentWidget(); above; above = above->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(above); tabs && tabs->indexOf(page) >= 0)
                tabs->setCurrentWidget(page);
    control->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(control))
        box->selectAll();
}

} // namespace Vexlor
