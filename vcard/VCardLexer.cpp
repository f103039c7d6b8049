#include "vcard/VCardLexer.h"

#include "vcard/AsciiText.h"

void CVCardLexer::EndName(std::string_view text)
{
    text = Trimmed(text);
    const size_t nDot = text.rfind('.');
    // The group only ties properties together ("item1.TEL", "item1.X-ABLABEL").
    m_group = nDot == std::string_view::npos ? std::string_view() : text.substr(0, nDot);
    m_name = nDot == std::string_view::npos ? text : text.substr(nDot + 1);
}

void CVCardLexer::AddParameter(std::string_view name, std::string_view value)
{
    value = Trimmed(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (!name.empty() || !value.empty())
        m_parameters.push_back({Trimmed(name), value});
}

bool CVCardLexer::Split(std::string_view line)
{
    m_group = m_name = m_value = {};
    m_parameters.clear();
    // Most lines have no parameters: the name runs up to the colon.
    size_t nNameEnd = 0;
    while (nNameEnd < line.size() && line[nNameEnd] != ':' && line[nNameEnd] != ';' && line[nNameEnd] != '"')
        ++nNameEnd;
    if (nNameEnd < line.size() && line[nNameEnd] == ':') {
        EndName(line.substr(0, nNameEnd));
        m_value = line.substr(nNameEnd + 1);
        return true;
    }
    EState state = EState::kName;
    size_t nPartStart = 0;   // where the name, parameter name or value being read began
    std::string_view parameterName;
    for (size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch != ';' && ch != ':' && ch != '=' && ch != ',' && ch != '"')
            continue;   // no state changes but at these
        const std::string_view part = line.substr(nPartStart, i - nPartStart);
        switch (state) {
        case EState::kName:
            if (ch == ';' || ch == ':') {
                EndName(part);
                state = EState::kParameterName;
                nPartStart = i + 1;
            }
            break;
        case EState::kParameterName:
            if (ch == '=') {
                parameterName = part;
                state = EState::kParameterValue;
                nPartStart = i + 1;
            } else if (ch == ';' || ch == ':') {
                AddParameter({}, part);   // vCard 2.1: a type or an encoding on its own
                nPartStart = i + 1;
            } else if (ch == '"') {
                parameterName = {};
                state = EState::kQuotedValue;
            }
            break;
        case EState::kParameterValue:
            if (ch == '"' && Trimmed(part).empty()) {
                state = EState::kQuotedValue;
            } else if (ch == ',' || ch == ';' || ch == ':') {
                AddParameter(parameterName, part);
                nPartStart = i + 1;
                if (ch == ';')
                    state = EState::kParameterName;
            }
            break;
        case EState::kQuotedValue:
            if (ch == '"')
                state = parameterName.empty() ? EState::kParameterName : EState::kParameterValue;
            break;
        }
        if (ch == ':' && state != EState::kQuotedValue && nPartStart == i + 1) {
            m_value = line.substr(i + 1);
            return true;
        }
    }
    return false;
}
