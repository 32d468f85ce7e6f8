#include "app/window/window_font.h"

#include <QFontDatabase>

namespace ek::app {

QFont windowFont() {
    const QString preferred = QStringLiteral("Tahoma");
    QFont font = QFontDatabase::hasFamily(preferred)
                     ? QFont(preferred)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kWindowFontPoints);
    return font;
}

}  // namespace ek::app
