#include "framework/ListBox.h"

#include <cstring>

#include "framework/ListBoxModel.h"
#include "framework/ListBoxWidget.h"
#include "framework/TextCodec.h"

namespace {

ListBoxWidget* ListOf(QWidget* pWidget)
{
    return dynamic_cast<ListBoxWidget*>(pWidget);
}

// The box as the program is about to use it: entries still waiting to be
// announced reach the view first, so positions mean the same to both.
ListBoxWidget* TouchedListOf(QWidget* pWidget)
{
    ListBoxWidget* list = ListOf(pWidget);
    if (list)
        list->Entries().Flush();
    return list;
}

}   // namespace

int CListBox::GetCount() const
{
    ListBoxWidget* list = ListOf(m_pWidget);
    return list ? list->Entries().Count() : 0;
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return InsertString(nIndex, CString(lpszItem));
}

int CListBox::InsertString(int nIndex, const CString& strItem)
{
    ListBoxWidget* list = ListOf(m_pWidget);
    if (!list || nIndex < -1 || nIndex > list->Entries().Count())
        return LB_ERR;
    const int position = nIndex == -1 ? list->Entries().Count() : nIndex;
    list->AsProgramChange([&] { list->Entries().Insert(position, strItem.View()); });
    return position;
}

void CListBox::ResetContent()
{
    if (ListBoxWidget* list = ListOf(m_pWidget))
        list->AsProgramChange([&] { list->Entries().Clear(); });
}

int CListBox::DeleteString(UINT nIndex)
{
    ListBoxWidget* list = TouchedListOf(m_pWidget);
    if (!list || nIndex >= static_cast<UINT>(list->Entries().Count()))
        return LB_ERR;
    list->AsProgramChange([&] {
        list->Entries().Remove(static_cast<int>(nIndex));
        list->clearSelection();
        list->setCurrentIndex(QModelIndex());
    });
    return list->Entries().Count();
}

int CListBox::GetCurSel() const
{
    ListBoxWidget* list = TouchedListOf(m_pWidget);
    if (!list)
        return LB_ERR;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? LB_ERR : selected.first().row();
}

int CListBox::SetCurSel(int nSelect)
{
    ListBoxWidget* list = TouchedListOf(m_pWidget);
    if (!list)
        return LB_ERR;
    if (nSelect < 0 || nSelect >= list->Entries().Count()) {
        list->AsProgramChange([&] { list->clearSelection(); });
        return LB_ERR;
    }
    list->AsProgramChange([&] {
        list->selectionModel()->setCurrentIndex(list->model()->index(nSelect, 0), QItemSelectionModel::ClearAndSelect);
    });
    return nSelect;
}

void CListBox::SetRowLabels(const std::vector<CString>& labels)
{
    ListBoxWidget* list = ListOf(m_pWidget);
    if (!list)
        return;
    QStringList spoken;
    for (const CString& label : labels)
        spoken << TextCodec::ToQString(label);
    list->SetRowLabels(spoken);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    ListBoxWidget* list = TouchedListOf(m_pWidget);
    if (!list || nIndex < 0 || nIndex >= list->Entries().Count()) {
        rString = CString();
        return;
    }
    const std::string_view text = list->Entries().Text(nIndex);
    rString = CString(text.data(), static_cast<int>(text.size()));
}
