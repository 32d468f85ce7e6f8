#pragma once
// Texts of the window that are not part of the working state, and the
// conversion between Qt's text and the working state's.

#include <string>
#include <string_view>

#include <QString>
#include <QStringView>

namespace ek::app {

inline constexpr QStringView kApplicationTitle = u"Export kalkulace pro VDG2016";
inline constexpr QStringView kDeveloperPanelTitle = u"Vývojářské funkce";

// Both are UTF-16: code unit for code unit, nothing is lost either way.
inline QString qtText(std::u16string_view text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}
inline std::u16string stateText(const QString& text) {
    return text.toStdU16String();
}

}  // namespace ek::app
