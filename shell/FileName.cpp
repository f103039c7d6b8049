#include "shell/FileName.h"

#include <QFile>
#include <QFileInfo>

QString CFileName::Decode(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

std::string CFileName::Encode(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

std::string CFileName::Absolute(const std::string& path)
{
    return Encode(QFileInfo(Decode(path)).absoluteFilePath());
}
