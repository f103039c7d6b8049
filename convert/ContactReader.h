#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "vcard/Contact.h"
#include "convert/ContactFormat.h"

// A contact file reader: given the file's text a piece at a time, it hands
// each contact over as soon as the contact is complete and keeps nothing of
// it afterwards. The contact handed over is valid only during the call.
class CContactReader
{
public:
    using ContactHandler = std::function<void(const CContact&)>;

    virtual ~CContactReader() = default;
    virtual void Feed(std::string_view text) = 0;
    // Hands over what is left; FALSE, with the reason in strError, when the
    // text was not in the reader's format at all.
    virtual bool Finish(std::string& strError) = 0;

    static std::unique_ptr<CContactReader> Create(EContactFormat format, ContactHandler onContact);
};
