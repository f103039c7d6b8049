#pragma once

#include <string>

#include <QString>

// The tools take file names as the system's bytes (from the command line,
// from their state, in their messages) and hand them to Qt as QString:
// this is the one crossing, both ways, so that both tools read a name the
// same and give back the bytes they were given.
class CFileName
{
public:
    static QString Decode(const std::string& path);
    static std::string Encode(const QString& name);
    // The path made absolute against the current folder, as bytes.
    static std::string Absolute(const std::string& path);
};
