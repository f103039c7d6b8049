#include "framework/ListBox.h"

#include "framework/ListBoxWidget.h"
#include "framework/TextCodec.h"

namespace {

ListBoxWidget* ListOf(QWidget* pWidget)
{
    return dynamic_cast<ListBoxWidget*>(pWidget);
}

} // namespace

int CListBox::GetCount() const
{
    ListBoxWidget* list = ListOf(m_pWidget);
    return list ? list->count() : 0;
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return InsertString(nIndex, CString(lpszItem));
}

int CListBox::InsertString(int nIndex, const CString& strItem)
{
    ListBoxWidget* list = ListOf(m_pWidget);
    if (!list || nIndex < -1 || nIndex > list->count())
        return LB_ERR;
    const int position = nIndex == -1 ? list->count() : nIndex;
    list->AsProgramChange([&] { list->insertItem(position, TextCodec::ToQString(strItem)); });
    return position;
}

void CListBox::ResetContent()
{
    if (ListBoxWidget* list = ListOf(m_pWidget))
        list->AsProgramChange([&] { list->clear(); });
}

int CListBox::DeleteString(UINT nIndex)
{
    ListBoxWidget* list = ListOf(m_pWidget);
    if (!list || nIndex >= static_cast<UINT>(list->count()))
        return LB_ERR;
    list->AsProgramChange([&] {
        delete list->takeItem(static_cast<int>(nIndex));
        list->clearSelection();
        list->setCurrentIndex(QModelIndex());
    });
    return list->count();
}

int CListBox::GetCurSel() const
{
    ListBoxWidget* list = ListOf(m_pWidget);
    if (!list)
        return LB_ERR;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? LB_ERR : selected.first().row();
}

int CListBox::SetCurSel(int nSelect)
{
    ListBoxWidget* list = ListOf(m_pWidget);
    if (!list)
        return LB_ERR;
    if (nSelect < 0 || nSelect >= list->count()) {
        list->AsProgramChange([&] { list->clearSelection(); });
        return LB_ERR;
    }
    list->AsProgramChange([&] { list->setCurrentRow(nSelect, QItemSelectionModel::ClearAndSelect); });
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
    ListBoxWidget* list = ListOf(m_pWidget);
    QListWidgetItem* item = list ? list->item(nIndex) : nullptr;
    rString = item ? TextCodec::FromQString(item->text()) : CString();
}
