#include "shell/ToolParser.h"

#include "shell/FileName.h"

CToolParser::CToolParser()
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOptions({help, version, file, verbose});
}

bool CToolParser::Parse(const char* pszProgram, const std::vector<std::string>& args)
{
    QStringList arguments{pszProgram};
    for (const std::string& arg : args)
        arguments << CFileName::Decode(arg);
    return parser.parse(arguments);
}

std::string CToolParser::Value(const QCommandLineOption& option) const
{
    return CFileName::Encode(parser.value(option));
}

std::vector<std::string> CToolParser::Arguments() const
{
    std::vector<std::string> arguments;
    for (const QString& argument : parser.positionalArguments())
        arguments.push_back(CFileName::Encode(argument));
    return arguments;
}

std::string CToolParser::ErrorText() const
{
    return CFileName::Encode(parser.errorText());
}
