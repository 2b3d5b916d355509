#include "platform/qt/classic_look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <cstdint>

const QPalette& classic_palette() {
    static const QPalette palette = [] {
        const QColor white(255, 255, 255);
        const QColor black(0, 0, 0);
        const QColor dark(128, 128, 128);
        QPalette p;
        p.setColorGroup(QPalette::All, black, kFaceColor, white, dark, QColor(160, 160, 160), black,
                        white, white, kFaceColor);
        p.setColor(QPalette::Midlight, kFaceColor);
        p.setColor(QPalette::Shadow, QColor(64, 64, 64));
        p.setColor(QPalette::ButtonText, black);
        p.setColor(QPalette::Highlight, QColor(10, 36, 106));
        p.setColor(QPalette::HighlightedText, white);
        p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
        p.setColor(QPalette::ToolTipText, black);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            p.setColor(QPalette::Disabled, role, dark);
        }
        p.setColor(QPalette::Disabled, QPalette::Base, kFaceColor);
        return p;
    }();
    return palette;
}

QStyle* classic_style() {
    static QStyle* style = [] {
        QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"));
        if (windows != nullptr) {
            windows->setParent(qApp);
            return windows;
        }
        return QApplication::style();
    }();
    return style;
}

void apply_classic_style(QWidget* widget) {
    widget->setStyle(classic_style());
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->setStyle(classic_style());
    }
}

QColor system_brush_color(const void* brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    switch (value) {
        case 0:
            return {};
        case 5 + 1:  // COLOR_WINDOW
            return QColor(255, 255, 255);
        default:  // COLOR_BTNFACE and whatever else the tool may pick
            return kFaceColor;
    }
}
