#include "widgets/List_Widgets.h"

#include "widgets/Dual_List_Rule.h"
#include "widgets/Text_Convert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>

namespace Vexlor {
namespace {

// Draws an entry's tab-separated parts at their stops.
class TTab_Stop_Delegate : public QStyledItemDelegate {
  public:
    TTab_Stop_Delegate(QListWidget* list, std::vector<int> stops)
        : QStyledItemDelegate(list), Stops(std::move(stops)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStringList parts = item.text.split(QLatin1Char('\t'));
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect text_area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        painter->save();
        painter->setFont(item.font);
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        for (qsizetype part = 0; part < parts.size(); ++part) {
            const int left = text_area.left() + Stop_Pixels(widget, part);
            const int right = part + 1 < parts.size() ? text_area.left() + Stop_Pixels(widget, part + 1) - 4
                                                      : text_area.right();
            const QRect cell(left, text_area.top(), std::max(right - left, 0), text_area.height());
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                              item.fontMetrics.elidedText(parts[part], Qt::ElideRight, cell.width()));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QStringList parts = index.data(Qt::DisplayRole).toString().split(QLatin1Char('\t'));
        const qsizetype last = parts.size() - 1;
        size.setWidth(Stop_Pixels(option.widget, last) + option.fontMetrics.horizontalAdvance(parts[last]) +
                      8);
        return size;
    }

  private:
    int Stop_Pixels(const QWidget* widget, qsizetype part) const {
        if (part == 0 || Stops.empty())
            return 0;
        const auto stop = static_cast<std::size_t>(part - 1);
        // Past the last stop, parts follow at the distance of the last stop.
        const int units = stop < Stops.size() ? Stops[stop] : Stops.back() * static_cast<int>(stop + 1);
        return Dialog_Units_To_Pixels(widget, units);
    }

    std::vector<int> Stops;
};

} // namespace

void Fill_List(QListWidget* list, const std::vector<std::string>& entries) {
    list->clear();
    for (const std::string& entry : entries)
        list->addItem(To_QString(entry));
}

void Fill_Combo(QComboBox* combo, const std::vector<std::string>& entries) {
    combo->clear();
    for (const std::string& entry : entries)
        combo->addItem(To_QString(entry));
}

std::vector<std::string> List_Entries(const QListWidget* list) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list->count()));
    for (int row = 0; row < list->count(); ++row)
        entries.push_back(From_QString(list->item(row)->text()));
    return entries;
}

std::string Current_Entry(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? From_QString(item->text()) : std::string();
}

int Dialog_Units_To_Pixels(const QWidget* widget, int units) {
    const QFontMetrics metrics = widget ? widget->fontMetrics() : QFontMetrics(QApplication::font());
    return units * metrics.averageCharWidth() / 4;
}

void Set_Tab_Stops(QListWidget* list, const std::vector<int>& stops) {
    list->setItemDelegate(new TTab_Stop_Delegate(list, stops));
}

TDual_List::TDual_List(QListWidget* available, QListWidget* chosen, QAbstractButton* add,
                       QAbstractButton* remove)
    : QObject(available), Available(available), Chosen_List(chosen) {
    for (QListWidget* list : {available, chosen})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(add, &QAbstractButton::clicked, this, [this] { Move(Available, Chosen_List); });
    connect(remove, &QAbstractButton::clicked, this, [this] { Move(Chosen_List, Available); });
    connect(available, &QListWidget::itemDoubleClicked, this, [this] { Move(Available, Chosen_List); });
    connect(chosen, &QListWidget::itemDoubleClicked, this, [this] { Move(Chosen_List, Available); });
}

void TDual_List::Set_Entries(const std::vector<std::string>& available,
                             const std::vector<std::string>& chosen) {
    Fill_List(Available, available);
    Fill_List(Chosen_List, chosen);
}

std::vector<std::string> TDual_List::Chosen() const {
    return List_Entries(Chosen_List);
}

void TDual_List::Move(QListWidget* from, QListWidget* to) {
    std::vector<int> rows;
    for (const QListWidgetItem* item : from->selectedItems())
        rows.push_back(from->row(item));
    if (rows.empty())
        return;
    std::vector<std::string> from_entries = List_Entries(from);
    std::vector<std::string> to_entries = List_Entries(to);
    Move_Entries(from_entries, to_entries, rows);
    Fill_List(from, from_entries);
    Fill_List(to, to_entries);
    emit Changed();
}

TLow_High_Pair::TLow_High_Pair(QSpinBox* low, QSpinBox* high) : QObject(low), Low(low), High(high) {
    connect(low, &QSpinBox::valueChanged, this, [this](int value) {
        Show(Set_Low(Get(), value));
        emit Changed();
    });
    connect(high, &QSpinBox::valueChanged, this, [this](int value) {
        Show(Set_High(Get(), value));
        emit Changed();
    });
}

void TLow_High_Pair::Set(TLow_High pair) {
    Show(pair);
}

TLow_High TLow_High_Pair::Get() const {
    return {Low->value(), High->value()};
}

void TLow_High_Pair::Show(TLow_High pair) {
    const QSignalBlocker low_blocker(Low);
    const QSignalBlocker high_blocker(High);
    Low->setValue(pair.Low);
    High->setValue(pair.High);
}

} // namespace Vexlor
