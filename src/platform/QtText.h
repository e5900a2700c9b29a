#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace bix {

// The one place where the core's 8-bit text meets Qt's text: the system's code page both ways.
inline QString ToQString(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQString(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace bix
