#pragma once
// The one boundary between the engines' text and Qt's: names, paths and messages
// are UTF-8 bytes below the widgets and QString in them.
//
// A name that is not UTF-8 (as the file system may hold it) shows with replacement
// characters; its bytes stay in the engines' records underneath and are never taken
// back from the shown text.

#include <QString>

#include <string>
#include <string_view>

// The text a widget shows for UTF-8 bytes.
inline QString ShownText(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The bytes of text a user typed, dropped or chose (a path, a mask title).
inline std::string TextBytes(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
