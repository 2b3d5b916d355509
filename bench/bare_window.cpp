// The floor for start-up time and memory: an empty Qt window as big as the tool's top-level
// widget, made with the same application setup as the tool's process entry, and nothing else.
// With --label it also shows one line of text, which is what makes Qt load its font database:
// the share of the tool's figures that any window with text pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    // The tool's 320x400 outer size less the frame and caption the window manager would draw.
    QWidget window;
    window.setFixedSize(314, 375);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        auto* label = new QLabel(QStringLiteral("Sun position"), &window);
        label->move(10, 10);
    }
    window.show();
    return QApplication::exec();
}
