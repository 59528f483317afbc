#include "widgets/List_Widgets.h"

#include "widgets/Dual_List_Rule.h"
#include "widgets/Text_Convert.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QHelpEvent>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <cmath>

namespace Vexlor {
namespace {

// Draws an entry's tab-separated parts at their stops.
class TTab_Stop_Delegate : public QStyledItemDelegate {
  public:
    TTab_Stop_Delegate(QListWidget* list, std::vector<int> stops)
        : QStyledItemDelegate(list), Stops(std::move(stops)) {}

    // The first stop just past first_column pixels, and never past the middle of the list.
    void Fit_First_Stop(int first_column) { Fitted_First = first_column; }

    // The parts of an entry cut short show whole in a tool tip, one a line: a long name, or the
    // classes of a character of many classes.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() == QEvent::ToolTip) {
            QStyleOptionViewItem item = option;
            initStyleOption(&item, index);
            const QStringList parts = item.text.split(QLatin1Char('\t'));
            const std::vector<QRect> cells = Part_Cells(item, parts.size());
            QStringList cut;
            for (qsizetype part = 0; part < parts.size(); ++part)
                if (item.fontMetrics.horizontalAdvance(parts[part]) >
                    cells[static_cast<std::size_t>(part)].width())
                    cut << parts[part];
            if (!cut.isEmpty()) {
                QToolTip::showText(event->globalPos(), cut.join(QLatin1Char('\n')), view);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStringList parts = item.text.split(QLatin1Char('\t'));
        const std::vector<QRect> cells = Part_Cells(item, parts.size());
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        painter->save();
        painter->setFont(item.font);
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        for (qsizetype part = 0; part < parts.size(); ++part) {
            const QRect& cell = cells[static_cast<std::size_t>(part)];
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
    static constexpr int Column_Gap = 4; // pixels between a column's text and the next stop

    // Where each of an entry's parts is drawn: from its stop to the next stop, the last to the
    // entry's right edge. item holds the entry with its text.
    std::vector<QRect> Part_Cells(QStyleOptionViewItem item, qsizetype parts) const {
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect text_area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        std::vector<QRect> cells;
        for (qsizetype part = 0; part < parts; ++part) {
            const int left = text_area.left() + Stop_Pixels(widget, part);
            const int right = part + 1 < parts ? text_area.left() + Stop_Pixels(widget, part + 1) - Column_Gap
                                               : text_area.right();
            cells.emplace_back(left, text_area.top(), std::max(right - left, 0), text_area.height());
        }
        return cells;
    }

    int Stop_Pixels(const QWidget* widget, qsizetype part) const {
        if (part == 1 && Fitted_First >= 0)
            return std::min(Fitted_First + Column_Gap,
                            widget ? widget->width() / 2 : Fitted_First + Column_Gap);
        if (part == 0 || Stops.empty())
            return 0;
        const auto stop = static_cast<std::size_t>(part - 1);
        // Past the last stop, parts follow at the distance of the last stop.
        const int units = stop < Stops.size() ? Stops[stop] : Stops.back() * static_cast<int>(stop + 1);
        return Dialog_Units_To_Pixels(widget, units);
    }

    std::vector<int> Stops;
    int Fitted_First = -1; // pixels; -1 while the first stop is Stops' own
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

int Chosen_Row(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.front());
}

std::string Chosen_Entry(const QListWidget* list) {
    const int row = Chosen_Row(list);
    return row < 0 ? std::string() : From_QString(list->item(row)->text());
}

int Dialog_Units_To_Pixels(const QWidget* widget, int units) {
    const QFontMetrics metrics = widget ? widget->fontMetrics() : QFontMetrics(QApplication::font());
    return units * metrics.averageCharWidth() / 4;
}

void Set_Tab_Stops(QListWidget* list, const std::vector<int>& stops) {
    list->setItemDelegate(new TTab_Stop_Delegate(list, stops));
}

void Fit_First_Column(QListWidget* list) {
    auto* delegate = dynamic_cast<TTab_Stop_Delegate*>(list->itemDelegate());
    if (!delegate)
        return;
    // Each first column is measured letter by letter, each letter's advance looked up once, so
    // that a party of thousands of characters is measured in a moment rather than shaped name by
    // name; the blank after the widest covers what kerning may add.
    const QFontMetricsF metrics(list->font());
    QHash<QChar, qreal> advances;
    qreal widest = 0;
    for (int row = 0; row < list->count(); ++row) {
        qreal width = 0;
        for (const QChar letter : list->item(row)->text()) {
            if (letter == QLatin1Char('\t'))
                break;
            auto advance = advances.constFind(letter);
            if (advance == advances.cend())
                advance = advances.insert(letter, metrics.horizontalAdvance(letter));
            width += *advance;
        }
        widest = std::max(widest, width);
    }
    // A blank's width between the widest first column and the next.
    delegate->Fit_First_Stop(
        static_cast<int>(std::ceil(widest + metrics.horizontalAdvance(QLatin1Char(' ')))));
    list->viewport()->update();
}

void Show_Number(QSpinBox* box, int value, TBox_Range offered) {
    const TBox_Range held = Range_Holding(value, offered.Low, offered.High);
    box->setRange(held.Low, held.High);
    box->setToolTip(
        held == offered
            ? QString()
            : To_QString(std::string(Outside_Range_Note)).arg(value).arg(offered.Low).arg(offered.High));
    box->setValue(value);
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

// Without keyboard tracking a box's value changes only when its editing finishes (Enter, focus
// leaving it) or when it steps (arrows, wheel, page keys): the digits typed in between never reach
// the rule, so typing 12 into the high box never passes through 1 and never moves the low box.
TLow_High_Pair::TLow_High_Pair(QSpinBox* low, QSpinBox* high)
    : QObject(low), Low(low),
      High(high), Low_Offered{low->minimum(), low->maximum()}, High_Offered{high->minimum(),
                                                                            high->maximum()} {
    low->setKeyboardTracking(false);
    high->setKeyboardTracking(false);
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
    const QSignalBlocker low_blocker(Low);
    const QSignalBlocker high_blocker(High);
    Show_Number(Low, pair.Low, Low_Offered);
    Show_Number(High, pair.High, High_Offered);
}

// Digits still being typed count as typed: a window read on a shortcut key (Alt+O) while the focus
// is in a box gets them, after the rule has run for them.
TLow_High TLow_High_Pair::Get() const {
    Low->interpretText();
    High->interpretText();
    return {Low->value(), High->value()};
}

void TLow_High_Pair::Show(TLow_High pair) {
    const QSignalBlocker low_blocker(Low);
    const QSignalBlocker high_blocker(High);
    Low->setValue(pair.Low);
    High->setValue(pair.High);
}

} // namespace Vexlor
