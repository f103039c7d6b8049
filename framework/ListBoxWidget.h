#pragma once

#include <functional>

#include <QListView>
#include <QStringList>

#include "base/Types.h"

class ListBoxModel;

// The Qt side of a list box: a list view over a model of its own
// (ListBoxModel) whose rows all have the same height. It never sorts
// (entries stay where the program puts them), reports every selection
// change by the user as LBN_SELCHANGE and every double-click anywhere in it
// as LBN_DBLCLK, and keeps changes made by the program silent.
class ListBoxWidget : public QListView
{
public:
    using Notify = std::function<void(UINT nCode)>;

    ListBoxWidget(QWidget* pParent, Notify notify);

    ListBoxModel& Entries() const { return *m_pEntries; }

    // Labels that assistive technology speaks before each row's text
    // ("label: text"); a row without a label is spoken as its text.
    void SetRowLabels(const QStringList& labels);

    // Runs change() as the program's own change: it raises no notification.
    template <class F> auto AsProgramChange(F change)
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
    // Gaining the focus, the box has assistive technology speak its current
    // entry, as a changed selection does: "Ann Lee", not only "Names, list".
    void focusInEvent(QFocusEvent* pEvent) override;

private:
    struct ProgramChange
    {
        explicit ProgramChange(int& nDepth)
            : m_nDepth(nDepth)
        {
            ++m_nDepth;
        }
        ~ProgramChange() { --m_nDepth; }
        int& m_nDepth;
    };

    void OnSelectionChanged();
    void AnnounceCurrentEntry();

    ListBoxModel* m_pEntries;
    Notify m_notify;
    int m_nProgramChanges = 0;
};
