// Pictures compiled into the executable as Qt resources under :/win32/<resource name>.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <optional>

struct HICON__ {
    QIcon icon;
    std::optional<QCursor> cursor;
};

// A null pixmap when there is no such resource.
QPixmap load_bitmap_resource(const char* name);
