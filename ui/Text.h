// Conversion between the engine's Windows-1252 text and Qt's strings, at the
// boundary of the user interface.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

#include "core/Win1252.h"

inline QString ToQ(const std::string& text1252) {
  return QString::fromStdString(win1252::ToUtf8(text1252));
}

// Characters Windows-1252 cannot hold become '?'.
inline std::string FromQ(const QString& text) {
  return win1252::FromUtf8(text.toStdString());
}

// Whether Windows-1252 holds `text` exactly.
inline bool Storable(const QString& text) {
  return ToQ(FromQ(text)) == text;
}

// File names stay in the operating system's encoding from end to end.
inline QString PathToQ(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
inline std::string PathFromQ(const QString& path) {
  return QFile::encodeName(path).toStdString();
}
