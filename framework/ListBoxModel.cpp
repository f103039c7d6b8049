#include "framework/ListBoxModel.h"

#include <cstdint>
#include <cstring>

#include <QMetaObject>

#include "framework/TextCodec.h"

namespace {

// Appends in a run up to this many are announced one by one, so that a
// short fill is visible to the views at once; past it they are gathered.
constexpr int kAnnouncedOneByOne = 64;

// Removed entries' bytes are dropped once they outweigh the live ones.
constexpr size_t kGarbageWorthCompacting = 4096;
// Each entry's bytes follow their length, so that a zero byte inside an
// entry (a damaged or foreign file can hold one) is shown, not taken for its
// end; a zero byte still ends each entry, for the look-up by first byte.
constexpr size_t kLengthBytes = sizeof(uint32_t);

}   // namespace

ListBoxModel::ListBoxModel(QObject* pParent)
    : QAbstractListModel(pParent)
{
}

std::string_view ListBoxModel::Text(int nRow) const
{
    const size_t nOffset = m_rows.at(static_cast<size_t>(nRow));
    uint32_t nLength = 0;
    std::memcpy(&nLength, m_bytes.data() + nOffset - sizeof nLength, sizeof nLength);
    return std::string_view(m_bytes.data() + nOffset, nLength);
}

void ListBoxModel::Insert(int nRow, std::string_view text)
{
    if (nRow == Count()) {
        Append(text);
        return;
    }
    Flush();
    beginInsertRows(QModelIndex(), nRow, nRow);
    m_rows.insert(m_rows.begin() + nRow, m_bytes.size() + kLengthBytes);
    AppendBytes(text);
    ++m_nShown;
    endInsertRows();
}

void ListBoxModel::Append(std::string_view text)
{
    m_rows.push_back(m_bytes.size() + kLengthBytes);
    AppendBytes(text);
    if (++m_nRun <= kAnnouncedOneByOne && m_nShown == Count() - 1) {
        beginInsertRows(QModelIndex(), m_nShown, m_nShown);
        ++m_nShown;
        endInsertRows();
        return;
    }
    if (!m_bFlushPosted) {
        m_bFlushPosted = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_bFlushPosted = false;
                Flush();
            },
            Qt::QueuedConnection);
    }
}

void ListBoxModel::AppendBytes(std::string_view text)
{
    const uint32_t nLength = static_cast<uint32_t>(text.size());
    m_bytes.append(reinterpret_cast<const char*>(&nLength), sizeof nLength);
    m_bytes.append(text.data(), text.size());
    m_bytes += '\0';
}

void ListBoxModel::Flush()
{
    m_nRun = 0;
    if (m_nShown == Count())
        return;
    beginInsertRows(QModelIndex(), m_nShown, Count() - 1);
    m_nShown = Count();
    endInsertRows();
}

void ListBoxModel::Remove(int nRow)
{
    Flush();
    beginRemoveRows(QModelIndex(), nRow, nRow);
    m_nGarbage += kLengthBytes + Text(nRow).size() + 1;
    m_rows.erase(m_rows.begin() + nRow);
    --m_nShown;
    endRemoveRows();
    CompactIfMostlyGarbage();
}

void ListBoxModel::Clear()
{
    // The buffers keep their capacity: a list box is usually emptied to be
    // filled again with about as many entries.
    beginResetModel();
    m_rows.clear();
    m_bytes.clear();
    m_nGarbage = 0;
    m_nShown = 0;
    m_nRun = 0;
    endResetModel();
}

void ListBoxModel::CompactIfMostlyGarbage()
{
    if (m_nGarbage < kGarbageWorthCompacting || m_nGarbage < m_bytes.size() / 2)
        return;
    std::string compact;
    compact.reserve(m_bytes.size() - m_nGarbage);
    for (int nRow = 0; nRow < Count(); ++nRow) {
        const std::string_view text = Text(nRow);
        compact.append(text.data() - kLengthBytes, kLengthBytes + text.size() + 1);
        m_rows[static_cast<size_t>(nRow)] = compact.size() - text.size() - 1;
    }
    m_bytes.swap(compact);
    m_nGarbage = 0;
}

void ListBoxModel::SetRowLabels(const QStringList& labels)
{
    Flush();
    m_rowLabels = labels;
    if (m_nShown > 0)
        emit dataChanged(index(0), index(m_nShown - 1), {Qt::AccessibleTextRole});
}

int ListBoxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_nShown;
}

QString ListBoxModel::DisplayText(int nRow) const
{
    const std::string_view text = Text(nRow);
    return TextCodec::ToQString(CString(text.data(), static_cast<int>(text.size())));
}

namespace {

// The bytes whose text begins with the same character as prefix, ignoring
// case. Each byte is one character of the directory's code page, so an
// entry can begin with prefix only if its first byte is one of these.
std::array<bool, 256> FirstBytesOf(const QString& prefix)
{
    std::array<bool, 256> firstBytes{};
    const QString first = prefix.left(1);
    for (int nByte = 1; nByte < 256; ++nByte) {
        const char ch = static_cast<char>(nByte);
        const QString text = TextCodec::ToQString(CString(&ch, 1));
        firstBytes[static_cast<size_t>(nByte)] = text.isEmpty() || text.startsWith(first, Qt::CaseInsensitive);
    }
    return firstBytes;
}

}   // namespace

bool ListBoxModel::StartsWith(int nRow, const QString& prefix, const std::array<bool, 256>& firstBytes) const
{
    const unsigned char chFirst = static_cast<unsigned char>(m_bytes[m_rows[static_cast<size_t>(nRow)]]);
    return chFirst != 0 && firstBytes[chFirst] && DisplayText(nRow).startsWith(prefix, Qt::CaseInsensitive);
}

QModelIndexList ListBoxModel::match(
    const QModelIndex& start, int role, const QVariant& value, int hits, Qt::MatchFlags flags) const
{
    const QString prefix = value.toString();
    const bool bTypeAhead = role == Qt::DisplayRole && (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith
        && !(flags & Qt::MatchCaseSensitive) && !prefix.isEmpty() && start.isValid() && start.row() < m_nShown;
    if (!bTypeAhead)
        return QAbstractListModel::match(start, role, value, hits, flags);

    const std::array<bool, 256> firstBytes = FirstBytesOf(prefix);
    QModelIndexList found;
    const int nStart = start.row();
    const int nRows = flags & Qt::MatchWrap ? m_nShown : m_nShown - nStart;
    for (int i = 0; i < nRows && (hits < 0 || found.size() < hits); ++i) {
        const int nRow = (nStart + i) % m_nShown;
        if (StartsWith(nRow, prefix, firstBytes))
            found << index(nRow);
    }
    return found;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_nShown)
        return QVariant();
    const int nRow = index.row();
    switch (role) {
    case Qt::DisplayRole: return DisplayText(nRow);
    case Qt::AccessibleTextRole:
        if (nRow < m_rowLabels.size() && !m_rowLabels[nRow].isEmpty())
            return m_rowLabels[nRow] + QStringLiteral(": ") + DisplayText(nRow);
        return DisplayText(nRow);
    default: return QVariant();
    }
}
