#pragma once

#include <string_view>

#include "vcard/AsciiText.h"

// The contact file formats the converter reads and writes.
enum class EContactFormat
{
    kVCard,
    kCsv,
};

// "vcard" or "csv" as given to --format; FALSE for any other name.
inline bool FormatFromName(std::string_view name, EContactFormat& format)
{
    if (name == "vcard")
        format = EContactFormat::kVCard;
    else if (name == "csv")
        format = EContactFormat::kCsv;
    else
        return false;
    return true;
}

// The format a file name's ending names (".vcf", ".csv", any case); FALSE
// for any other name.
inline bool FormatFromFileName(std::string_view name, EContactFormat& format)
{
    const auto endsWith = [&](std::string_view ending) {
        return name.size() >= ending.size() && EqualsNoCase(name.substr(name.size() - ending.size()), ending);
    };
    if (endsWith(".vcf"))
        format = EContactFormat::kVCard;
    else if (endsWith(".csv"))
        format = EContactFormat::kCsv;
    else
        return false;
    return true;
}

inline const char* FormatTitle(EContactFormat format)
{
    return format == EContactFormat::kVCard ? "vCard" : "CSV";
}
