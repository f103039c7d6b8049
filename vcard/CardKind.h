#pragma once

#include <string_view>

// What a card stands for. Address books keep a contact group as a card of
// its own (vCard 4.0's KIND:group with MEMBER lines; iOS, macOS, iCloud and
// SOGo write vCard 3.0 with X-ADDRESSBOOKSERVER-KIND:group), and vCard 4.0
// has KIND:location for a place. Neither is a person to call: it is never
// a record, and the sync leaves it on the server as it is. KIND:individual
// and KIND:org are contacts.
enum class ECardKind : unsigned char
{
    kContact,
    kGroup,
    kLocation,
};

// What one property (its name without the group, and its raw value) says of
// its card's kind: kContact when it says nothing.
ECardKind CardKindOf(std::string_view name, std::string_view value);
