#pragma once

#include <string>
#include <vector>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

// The command line as both tools read it: the options they share and one
// QCommandLineParser set up for both, to which each tool adds its own
// options. A word with one dash is a long option ("-file" is "--file",
// "-h" is "--help"): neither tool has one-letter options to run together.
// Options may also follow the arguments.
class CToolParser
{
public:
    const QCommandLineOption help{QStringList{"h", "help"}};
    const QCommandLineOption version{"version"};
    const QCommandLineOption file{"file", "", "FILE"};
    const QCommandLineOption verbose{"verbose"};
    QCommandLineParser parser;

    CToolParser();

    // args without the program's name, each read as a file name (see
    // CFileName). FALSE for bad usage, with ErrorText() saying why.
    bool Parse(const char* pszProgram, const std::vector<std::string>& args);

    // What Parse read, back as the bytes the command line gave: an
    // option's value (the last one given), the arguments, and why the
    // command line is bad.
    std::string Value(const QCommandLineOption& option) const;
    std::vector<std::string> Arguments() const;
    std::string ErrorText() const;
};
