#pragma once

#include <string_view>
#include <vector>

// One parameter value of a content line. "TYPE=cell,voice" gives two, both
// named TYPE; vCard 2.1's bare "CELL" gives one with an empty name. A
// quoted value is given without its quotes.
struct CVCardParameter
{
    std::string_view name;
    std::string_view value;
};

// Splits one unfolded vCard content line, "[group.]name *(;parameter) :
// value", into its parts. Finding the first colon is not enough: a quoted
// parameter value may hold colons, semicolons and commas, so the line is
// read by a small state machine (name, parameter name, parameter value,
// quoted parameter value, value). The parts are views into the line given,
// valid while it is; the lexer keeps its vector between lines so that a
// long file costs no allocation per line. It knows nothing of what any
// property means.
class CVCardLexer
{
public:
    // FALSE when the line is no content line: no colon outside quotes.
    bool Split(std::string_view line);

    std::string_view Group() const { return m_group; }
    std::string_view Name() const { return m_name; }
    const std::vector<CVCardParameter>& Parameters() const { return m_parameters; }
    std::string_view Value() const { return m_value; }

private:
    enum class EState
    {
        kName,
        kParameterName,
        kParameterValue,
        kQuotedValue,
    };

    // Where the state machine stands in a line with parameters.
    struct Reading
    {
        EState state = EState::kName;
        std::string_view parameterName;   // of the value being read
    };

    bool SplitWithoutParameters(std::string_view line);
    bool SplitWithParameters(std::string_view line);
    bool Advance(Reading& reading, char ch, std::string_view part);
    void EndName(std::string_view text);
    void AddParameter(std::string_view name, std::string_view value);

    std::string_view m_group;
    std::string_view m_name;
    std::vector<CVCardParameter> m_parameters;
    std::string_view m_value;
};
