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
    return SplitWithoutParameters(line) || SplitWithParameters(line);
}

// Most lines have no parameters: the name runs up to the colon. FALSE, with
// nothing taken, when a semicolon or a quote comes first, or no colon at all.
bool CVCardLexer::SplitWithoutParameters(std::string_view line)
{
    size_t nNameEnd = 0;
    while (nNameEnd < line.size() && line[nNameEnd] != ':' && line[nNameEnd] != ';' && line[nNameEnd] != '"')
        ++nNameEnd;
    if (nNameEnd == line.size() || line[nNameEnd] != ':')
        return false;
    EndName(line.substr(0, nNameEnd));
    m_value = line.substr(nNameEnd + 1);
    return true;
}

bool CVCardLexer::SplitWithParameters(std::string_view line)
{
    Reading reading;
    size_t nPartStart = 0;   // where the name, parameter name or value being read began
    for (size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch != ';' && ch != ':' && ch != '=' && ch != ',' && ch != '"')
            continue;   // no state changes but at these
        if (!Advance(reading, ch, line.substr(nPartStart, i - nPartStart)))
            continue;
        nPartStart = i + 1;
        // A colon that ends a part (so none inside quotes) ends the parameters.
        if (ch == ':') {
            m_value = line.substr(i + 1);
            return true;
        }
    }
    return false;
}

// One step of the state machine at ch, one of the characters that can change
// its state; part is the text read since the last part ended. TRUE when ch
// ends that part, which is then taken as the name or a parameter.
bool CVCardLexer::Advance(Reading& reading, char ch, std::string_view part)
{
    switch (reading.state) {
    case EState::kName:
        if (ch != ';' && ch != ':')
            return false;
        EndName(part);
        reading.state = EState::kParameterName;
        return true;
    case EState::kParameterName:
        if (ch == '=') {
            reading.parameterName = part;
            reading.state = EState::kParameterValue;
            return true;
        }
        if (ch == ';' || ch == ':') {
            AddParameter({}, part);   // vCard 2.1: a type or an encoding on its own
            return true;
        }
        if (ch == '"') {
            reading.parameterName = {};
            reading.state = EState::kQuotedValue;
        }
        return false;
    case EState::kParameterValue:
        if (ch == '"' && Trimmed(part).empty()) {
            reading.state = EState::kQuotedValue;
            return false;
        }
        if (ch != ',' && ch != ';' && ch != ':')
            return false;
        AddParameter(reading.parameterName, part);
        if (ch == ';')
            reading.state = EState::kParameterName;
        return true;
    case EState::kQuotedValue:
        if (ch == '"')
            reading.state = reading.parameterName.empty() ? EState::kParameterName : EState::kParameterValue;
        return false;
    }
    return false;
}
