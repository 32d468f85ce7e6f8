#pragma once
// The window's font: "Tahoma" 8 pt where installed, else the platform's
// sans-serif face at 8 pt.

#include <QFont>
#include <QString>

namespace ek::app {

inline constexpr int kWindowFontPoints = 8;

QFont windowFont();

}  // namespace ek::app
