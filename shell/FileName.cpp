#include "shell/FileName.h"

#include <QFile>

QString CFileName::Decode(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

std::string CFileName::Encode(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}
