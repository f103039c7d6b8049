#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "data/DirectoryFormat.h"

// The whole content of the file at path; empty when there is none. By
// default the directory file in the working directory.
inline std::string ReadFileBytes(const std::string& path = DirectoryFormat::kDirectoryFileName)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces the file at path with exactly bytes.
inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
