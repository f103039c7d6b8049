#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <QAbstractListModel>
#include <QStringList>

// The entries of one list box, held compactly: the bytes of every entry in
// one buffer, each ended by a zero byte (entries come as C strings), and per
// row only where its bytes begin. Text is converted for the
// screen only when a view asks for a row, which with uniform item sizes
// means only the rows on screen.
//
// A long run of entries added at the end is announced to the views in one
// go, not one notification per entry: once the run passes a few dozen
// entries, the rest wait until the program next touches the box (any other
// operation) or until control returns to the event loop, whichever comes
// first. Views therefore always see a consistent model, and short fills
// (the detail rows of a record) reach them at once.
class ListBoxModel : public QAbstractListModel
{
public:
    explicit ListBoxModel(QObject* pParent);

    // Every entry, including those not yet announced to the views.
    int Count() const { return static_cast<int>(m_rows.size()); }
    std::string_view Text(int nRow) const;

    // nRow from 0 to Count(); Count() appends. Text ends at a zero byte.
    void Insert(int nRow, std::string_view text);
    void Remove(int nRow);
    void Clear();
    // Announces the entries still waiting to the views.
    void Flush();

    // Labels spoken before each row's text by assistive technology.
    void SetRowLabels(const QStringList& labels);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Typing in the list looks for the next entry that begins with the
    // typed text. Rows whose first byte cannot begin it are passed over
    // without converting their text, so a letter no entry begins with does
    // not convert a million entries.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
        Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

private:
    void Append(std::string_view text);
    void AppendBytes(std::string_view text);
    void CompactIfMostlyGarbage();
    QString DisplayText(int nRow) const;
    bool StartsWith(int nRow, const QString& prefix, const std::array<bool, 256>& firstBytes) const;

    std::string m_bytes;   // every entry's length and bytes, in the order they came
    size_t m_nGarbage = 0;   // bytes of removed entries still in m_bytes
    std::vector<size_t> m_rows;   // where each row's bytes begin in m_bytes
    int m_nShown = 0;   // rows the views have been told about
    int m_nRun = 0;   // entries appended in a row without another operation
    bool m_bFlushPosted = false;
    QStringList m_rowLabels;
};
