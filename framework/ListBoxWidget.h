#pragma once

#include <functional>

#include <QListWidget>
#include <QStringList>

#include "base/Types.h"

// The Qt side of a list box. It never sorts (entries stay where the program
// puts them), reports every selection change by the user as LBN_SELCHANGE
// and every double-click anywhere in it as LBN_DBLCLK, and keeps changes
// made by the program silent.
class ListBoxWidget : public QListWidget
{
public:
    using Notify = std::function<void(UINT nCode)>;

    ListBoxWidget(QWidget* pParent, Notify notify);

    // Row i is read to a screen reader as "labels[i]: its text" (its
    // Qt::AccessibleTextRole), whatever text the program puts there later;
    // rows beyond the labels are read as they show.
    void SetRowLabels(const QStringList& labels);

    // Runs change() as the program's own change: it raises no notification.
    template <class F>
    auto AsProgramChange(F change)
    {
        ProgramChange guard(m_nProgramChanges);
        return change();
    }

protected:
    // Selects the entry under the pointer or the cursor, where Qt's single
    // selection would clear it on Ctrl+click or Ctrl+Space: in a list box
    // only the program leaves nothing selected.
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* pEvent = nullptr) const override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

private:
    struct ProgramChange
    {
        explicit ProgramChange(int& nDepth) : m_nDepth(nDepth) { ++m_nDepth; }
        ~ProgramChange() { --m_nDepth; }
        int& m_nDepth;
    };

    void OnSelectionChanged();
    // Gives the rows from first on the spoken text of their label.
    void LabelRowsFrom(int first);

    Notify m_notify;
    int m_nProgramChanges = 0;
    QStringList m_rowLabels;
};
