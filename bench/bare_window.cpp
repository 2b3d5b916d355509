// The floor for start-up time and memory: an empty Qt window as big as the tool's top-level
// widget, made with the same application setup as the tool's process entry, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    // The tool's 320x400 outer size less the frame and caption the window manager would draw.
    QWidget window;
    window.setFixedSize(314, 375);
    window.show();
    return QApplication::exec();
}
