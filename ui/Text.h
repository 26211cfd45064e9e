// Conversion between the engine's text (UTF-8) and Qt's strings, at the
// boundary of the user interface.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

#include "core/Win1252.h"

inline QString ToQ(const std::string& text) {
  return QString::fromStdString(text);
}

// A lone surrogate (which no character is) becomes U+FFFD.
inline std::string FromQ(const QString& text) {
  return text.toStdString();
}

// Whether the engine keeps `text` exactly: every text but one holding a lone
// surrogate, which a pasted fragment of a broken string may.
inline bool Storable(const QString& text) {
  return ToQ(FromQ(text)) == text;
}

// What the page writer made (a page, its applet, its parameters): 8-bit
// Windows-1252 text, whose other characters are references or escapes.
inline QString PageToQ(const std::string& page) {
  return QString::fromStdString(win1252::ToUtf8(page));
}

// File names stay in the operating system's encoding from end to end.
inline QString PathToQ(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
inline std::string PathFromQ(const QString& path) {
  return QFile::encodeName(path).toStdString();
}
