#include "app/window/figure_field.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ek::app {

namespace {

// The line edit keeps this much free beside its text, and a pixel for the
// cursor after it; a text that takes more is scrolled.
constexpr int kLineEditMargin = 2;
constexpr int kCursorWidth = 1;
constexpr double kSizeStep = 0.25;
constexpr double kSmallestPoints = 1.0;

}  // namespace

FigureField::FigureField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &FigureField::fitText);
}

int FigureField::textRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    return contents.width() - 2 * kLineEditMargin - kCursorWidth;
}

QFont FigureField::normalFont() const {
    return parentWidget() != nullptr ? parentWidget()->font() : QApplication::font(this);
}

void FigureField::fitText() {
    const QString shown = text();
    setToolTip(shown);
    const int room = textRoom();
    QFont fitted = normalFont();
    const double normalPoints = fitted.pointSizeF();
    const int normalWidth = QFontMetrics(fitted).horizontalAdvance(shown);
    if (normalWidth > room && room > 0) {
        // Close to the size that fits at once, then down in small steps:
        // glyph widths do not shrink exactly in proportion.
        double points = normalPoints * room / normalWidth + kSizeStep;
        do {
            points -= kSizeStep;
            fitted.setPointSizeF(points);
        } while (points > kSmallestPoints && QFontMetrics(fitted).horizontalAdvance(shown) > room);
    }
    if (fitted != font())
        setFont(fitted);
    // The text fits: it starts at the left edge, whatever was scrolled.
    if (!hasFocus())
        setCursorPosition(0);
}

void FigureField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

}  // namespace ek::app
