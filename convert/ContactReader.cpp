#include "convert/ContactReader.h"

#include "convert/CsvReader.h"
#include "convert/VCardReader.h"

std::unique_ptr<CContactReader> CContactReader::Create(EContactFormat format, ContactHandler onContact)
{
    if (format == EContactFormat::kVCard)
        return std::make_unique<CVCardReader>(std::move(onContact));
    return std::make_unique<CCsvReader>(std::move(onContact));
}
