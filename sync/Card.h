#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/RecordFields.h"

struct CFieldChoice;

// A vCard as the server holds it, kept content line by content line, each
// with its bytes exactly as they came (folds and line ends included), so
// that a change rewrites only the lines behind the fields that changed and
// leaves photos, addresses, other numbers and unknown properties byte for
// byte as they were.
//
// Its lines are read through the same vCard layer as import reads a file
// (unfolding, parameters, character sets, decoding, and the one choice of
// the properties behind the fields, ChooseFields), so that a card gives
// the same record both ways; misc is the note. Other values have no field
// and stay on the server. What the directory cannot hold comes down as "?".
class CCard
{
public:
    explicit CCard(const std::string& text);

    std::string Text() const;
    CRecordFields Fields() const;
    std::string Uid() const;
    // FALSE for a card that is no contact (a group, a place: CardKindOf),
    // which is no record and is left on the server as it is.
    bool IsContact() const;

    // Makes Fields() give target where it does not already: the property
    // behind each such field is rewritten (or added, or removed when the
    // field became empty); every other line stays as it was. A card that
    // changed gets the current time in REV (rewritten or added), so that
    // other clients see it changed.
    void Apply(const CRecordFields& target);

    // Adds a UID line holding strUid when the card has none (or a blank
    // one): a server refuses a card without one.
    void EnsureUid(const std::string& strUid);

    // A new card for the record, vCard 4.0 or (nVersion 3) 3.0, for servers
    // that take nothing newer.
    static std::string Create(const CRecordFields& fields, const std::string& strUid, int nVersion = 4);

private:
    struct Line
    {
        std::string raw;
        // Upper case, without its group.
        std::string name;
        std::string prefix;   // group, name and parameters as written
        std::string value;   // unfolded, still encoded
        // What the parameters say (CVCardParameters' types).
        unsigned nTypes = 0;
        bool bPreferred = false;
        bool bQuotedPrintable = false;
        bool bBinary = false;
        std::string charset;
        bool bInCard = false;
    };

    static Line ParseLine(std::string raw, std::string_view text, bool bInCard);
    static bool HoldsText(const Line& line);
    std::string Decoded(const Line& line) const;
    // What the line gives its field; empty for a line that gives none.
    std::string TextOf(const Line& line) const;
    CFieldChoice Choose() const;
    int FindFirst(const char* pszName) const;
    CString FieldOf(int nLine) const;
    void Rewrite(int nLine, const char* pszNewProperty, const CString& value);
    std::string LineEnd() const;
    std::string Physical(const std::string& content) const;
    void SetRaw(int nLine, const char* pszNewProperty, const std::string& value);
    void PutLine(int nLine, const std::string& content);
    void StampRevision();

    std::vector<Line> m_lines;
};
