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
