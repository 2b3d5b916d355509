#include "platform/qt/resources.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QString>
#include <map>
#include <memory>

#include "platform/win32.h"

namespace {

bool is_int_resource(const char* name) {
    return reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF;
}

// Resource names are case-insensitive, as on Windows; the resource file may use any case.
QString resource_path(const char* name) {
    if (name == nullptr || is_int_resource(name) || *name == '\0') {
        return {};
    }
    const QString given = QString::fromLatin1(name);
    const QString exact = QStringLiteral(":/win32/") + given;
    if (QFile::exists(exact)) {
        return exact;
    }
    const QDir resources(QStringLiteral(":/win32"));
    for (const QString& entry : resources.entryList(QDir::Files)) {
        if (entry.compare(given, Qt::CaseInsensitive) == 0) {
            return resources.filePath(entry);
        }
    }
    return {};
}

// Icon resources are ICO, every image of it kept. QIcon(path) would find that out by loading
// the MIME database and probing every image plugin, which slows start-up.
QIcon icon_from_resource(const QString& path) {
    QIcon icon;
    QImageReader reader(path, "ICO");
    do {
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    } while (reader.jumpToNextImage());
    return icon;
}

}  // namespace

QPixmap load_bitmap_resource(const char* name) {
    const QString path = resource_path(name);
    // Bitmap resources are BMP: naming the format spares probing every image plugin.
    return path.isEmpty() ? QPixmap() : QPixmap(path, "BMP");
}

// Icons are shared, as on Windows: one record per resource, never freed.
HICON WINAPI LoadIconA(HINSTANCE, LPCSTR name) {
    static std::map<QString, std::unique_ptr<HICON__>> icons;
    const QString path = resource_path(name);
    if (path.isEmpty()) {
        return nullptr;
    }
    auto& icon = icons[path];
    if (!icon) {
        icon = std::make_unique<HICON__>();
        icon->icon = icon_from_resource(path);
    }
    return icon.get();
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    static HICON__ arrow{QIcon(), QCursor(Qt::ArrowCursor)};
    if (instance == nullptr && name == IDC_ARROW) {
        return &arrow;
    }
    return nullptr;
}
