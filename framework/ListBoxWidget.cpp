#include "framework/ListBoxWidget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QTimer>

#include "framework/ListBoxModel.h"

ListBoxWidget::ListBoxWidget(QWidget* pParent, Notify notify)
    : QListView(pParent)
    , m_pEntries(new ListBoxModel(this))
    , m_notify(std::move(notify))
{
    setModel(m_pEntries);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row is one line of text: the view lays out a million rows
    // without asking each one for its size.
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { OnSelectionChanged(); });
}

void ListBoxWidget::SetRowLabels(const QStringList& labels)
{
    m_pEntries->SetRowLabels(labels);
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
    QListView::mousePressEvent(pEvent);
}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QListView::mouseDoubleClickEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton && m_notify)
        m_notify(LBN_DBLCLK);
}

void ListBoxWidget::focusInEvent(QFocusEvent* pEvent)
{
    QListView::focusInEvent(pEvent);
    // After the focus event Qt sends for the box itself, once this one is
    // done, so that the entry is what is spoken last.
    QTimer::singleShot(0, this, [this] { AnnounceCurrentEntry(); });
}

void ListBoxWidget::AnnounceCurrentEntry()
{
    const QModelIndex current = currentIndex();
    if (!QAccessible::isActive() || !hasFocus() || !current.isValid())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(current.row());
    QAccessible::updateAccessibility(&event);
}
