// The process entry on Qt hosts: the application object, then the tool's own WinMain.
#include <QApplication>
#include <string>

#include "platform/win32.h"

struct HINSTANCE__ {
    int unused;
};

namespace {
HINSTANCE__ process_instance{};
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistaro"));
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            command_line += ' ';
        }
        command_line += argv[i];
    }
    return WinMain(&process_instance, nullptr, command_line.data(), SW_SHOWDEFAULT);
}
