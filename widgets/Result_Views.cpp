#include "widgets/Result_Views.h"

#include "widgets/Named_Controls.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>

#include <algorithm>

namespace Vexlor {
namespace {

// The selected cells' texts, row by row in the order shown.
QString Selected_Text(const QAbstractItemView& view) {
    QModelIndexList cells = view.selectionModel()->selectedIndexes();
    std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    QString text;
    for (qsizetype at = 0; at < cells.size(); ++at) {
        if (at > 0)
            text += cells[at].row() != cells[at - 1].row() ? u'\n' : u'\t';
        text += cells[at].data(Qt::DisplayRole).toString();
    }
    return text;
}

} // namespace

QListWidget* Make_Result_List(QWidget* parent, QAnyStringView name) {
    auto* list = Make_Named<QListWidget>(parent, name);
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setResizeMode(QListView::Adjust);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Copy_Selection_On_Ctrl_C(list);
    return list;
}

QPlainTextEdit* Make_Result_Memo(QWidget* parent, QAnyStringView name) {
    auto* memo = Make_Named<QPlainTextEdit>(parent, name);
    memo->setReadOnly(true);
    memo->setUndoRedoEnabled(false);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return memo;
}

void Copy_Selection_On_Ctrl_C(QAbstractItemView* view) {
    auto* copy = new QShortcut(QKeySequence::Copy, view, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QShortcut::activated, view, [view] {
        if (const QString text = Selected_Text(*view); !text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
    });
}

} // namespace Vexlor
