// MessageBoxA: a modal box with one OK button, laid out as Windows lays out its text.
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>
#include <memory>
#include <vector>

#include "platform/qt/classic_look.h"
#include "platform/qt/test_seams.h"
#include "platform/qt/window_records.h"

namespace {

constexpr UINT kIconMask = 0xF0;
constexpr UINT kIconQuestion = 0x20;
constexpr int kTabStopChars = 8;  // Windows message boxes: a tab stop every 8 average chars

win32_test::MessageBoxObserver& observer() {
    static win32_test::MessageBoxObserver current;
    return current;
}

// CR LF and LF break lines; a lone CR is dropped.
QStringList split_lines(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.remove(QLatin1Char('\r'));
    return normalised.split(QLatin1Char('\n'));
}

// The mean width of the alphabet, as Windows measures a font for dialogs. A font's own
// average is often narrower than its letters, which pushes labels past their tab stop.
int average_char_width(const QFontMetrics& metrics) {
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (alphabet / 26 + 1) / 2;
}

// Lines of text with tabs expanded to fixed stops, which a QLabel cannot set.
class TabbedText : public QWidget {
  public:
    TabbedText(const QString& text, QWidget* parent) : QWidget(parent) {
        setStyle(classic_style());
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setTabStopDistance(kTabStopChars * average_char_width(fontMetrics()));
        for (const QString& line : split_lines(text)) {
            auto layout = std::make_unique<QTextLayout>(line, font());
            layout->setTextOption(option);
            layout->beginLayout();
            QTextLine text_line = layout->createLine();
            text_line.setLineWidth(1e6);
            layout->endLayout();
            width_ = std::max(width_, static_cast<int>(std::ceil(text_line.naturalTextWidth())));
            lines_.push_back(std::move(layout));
        }
        setFixedSize(width_, fontMetrics().lineSpacing() * static_cast<int>(lines_.size()));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const int spacing = fontMetrics().lineSpacing();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            lines_[i]->draw(&painter, QPointF(0, static_cast<double>(spacing) * i));
        }
    }

  private:
    std::vector<std::unique_ptr<QTextLayout>> lines_;
    int width_ = 0;
};

QStyle::StandardPixmap icon_for(UINT flags) {
    switch (flags & kIconMask) {
        case MB_ICONERROR:
            return QStyle::SP_MessageBoxCritical;
        case kIconQuestion:
            return QStyle::SP_MessageBoxQuestion;
        case MB_ICONEXCLAMATION:
            return QStyle::SP_MessageBoxWarning;
        case MB_ICONINFORMATION:
            return QStyle::SP_MessageBoxInformation;
        default:
            return QStyle::SP_CustomBase;
    }
}

int show_box(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    HWND__* owner_record = live_window(owner);
    QWidget* parent = owner_record != nullptr && owner_record->widget != nullptr
                          ? owner_record->widget->window()
                          : nullptr;
    QDialog box(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    box.setPalette(classic_palette());
    box.setWindowTitle(latin1(caption));
    box.setModal(true);

    auto* layout = new QGridLayout(&box);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(14);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QStyle::StandardPixmap icon = icon_for(flags);
    int text_column = 0;
    if (icon != QStyle::SP_CustomBase) {
        auto* picture = new QLabel(&box);
        picture->setPixmap(classic_style()->standardIcon(icon).pixmap(32, 32));
        picture->setAlignment(Qt::AlignTop);
        layout->addWidget(picture, 0, 0, Qt::AlignTop);
        text_column = 1;
    }
    layout->addWidget(new TabbedText(latin1(text), &box), 0, text_column,
                      Qt::AlignLeft | Qt::AlignVCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setMinimumWidth(75);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    layout->addWidget(ok, 1, 0, 1, text_column + 1, Qt::AlignHCenter);
    apply_classic_style(&box);

    if ((flags & MB_SETFOREGROUND) != 0) {
        QTimer::singleShot(0, &box, [&box] {
            box.raise();
            box.activateWindow();
        });
    }
    ok->setFocus();
    box.exec();
    return IDOK;
}

}  // namespace

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
    const std::string text_bytes = text != nullptr ? text : "";
    const std::string caption_bytes = caption != nullptr ? caption : "Error";
    if (observer()) {
        return observer()(win32_test::MessageBoxCall{owner, text_bytes, caption_bytes, flags});
    }
    if (QApplication::instance() == nullptr) {
        return 0;
    }
    return show_box(owner, text_bytes, caption_bytes, flags);
}

void win32_test::set_message_box_observer(MessageBoxObserver new_observer) {
    observer() = std::move(new_observer);
}
