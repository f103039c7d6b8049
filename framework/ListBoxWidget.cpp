#include "framework/ListBoxWidget.h"

#include <QMouseEvent>

ListBoxWidget::ListBoxWidget(QWidget* pParent, Notify notify)
    : QListWidget(pParent), m_notify(std::move(notify))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setSortingEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    // An insertion or removal moves the rows after it under other labels.
    connect(model(), &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex&, int first, int) { LabelRowsFrom(first); });
    connect(model(), &QAbstractItemModel::rowsRemoved, this,
        [this](const QModelIndex&, int first, int) { LabelRowsFrom(first); });
    connect(model(), &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex& topLeft, const QModelIndex&, const QList<int>& roles) {
            if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                LabelRowsFrom(topLeft.row());
        });
}

void ListBoxWidget::SetRowLabels(const QStringList& labels)
{
    m_rowLabels = labels;
    LabelRowsFrom(0);
}

void ListBoxWidget::LabelRowsFrom(int first)
{
    for (int row = first; row < m_rowLabels.size() && row < count(); ++row) {
        QListWidgetItem* entry = item(row);
        entry->setData(Qt::AccessibleTextRole, m_rowLabels[row] + QStringLiteral(": ") + entry->text());
    }
}

void ListBoxWidget::OnSelectionChanged()
{
    if (m_nProgramChanges == 0 && m_notify)
        m_notify(LBN_SELCHANGE);
}

QItemSelectionModel::SelectionFlags ListBoxWidget::selectionCommand(
    const QModelIndex& index, const QEvent* pEvent) const
{
    QItemSelectionModel::SelectionFlags command = QAbstractItemView::selectionCommand(index, pEvent);
    if (command.testFlag(QItemSelectionModel::Deselect) || command.testFlag(QItemSelectionModel::Toggle))
        command = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

void ListBoxWidget::mousePressEvent(QMouseEvent* pEvent)
{
    // A click below the last entry takes the focus but keeps the selection,
    // where Qt would clear it.
    if (!indexAt(pEvent->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        pEvent->accept();
        return;
    }
    QListWidget::mousePressEvent(pEvent);
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QListWidget::mouseDoubleClickEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton && m_notify)
        m_notify(LBN_DBLCLK);
}
