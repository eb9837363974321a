#pragma once
// The program's byte strings and paths as Qt's strings, and back. Message texts are
// UTF-8; paths keep the bytes the file system gave them (QFile's encoding).

#include <QFile>
#include <QString>

#include <string>

namespace zarvo {

[[nodiscard]] inline QString Text(const char* text) { return QString::fromUtf8(text); }
[[nodiscard]] inline QString Text(const std::string& text) { return QString::fromStdString(text); }

[[nodiscard]] inline std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
[[nodiscard]] inline QString FromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace zarvo
