#include "platform/qt/class_windows.h"

#include <qdrawutil.h>

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>

#include "platform/qt/classic_look.h"
#include "platform/qt/file_drops.h"
#include "platform/qt/resources.h"
#include "platform/qt/window_records.h"

namespace {

// Classic metrics: SM_CXFIXEDFRAME, SM_CXFRAME, SM_CYCAPTION, SM_CXEDGE.
constexpr int kFixedFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kCaption = 19;
constexpr int kClientEdge = 2;
constexpr QSize kDefaultOuterSize(480, 360);

int client_edge(DWORD ex_style) {
    return (ex_style & WS_EX_CLIENTEDGE) != 0 ? kClientEdge : 0;
}

// Paints the class background and asks the window procedure to paint.
class ClientArea : public QWidget {
  public:
    ClientArea(HWND window, QColor background, QWidget* parent) : QWidget(parent), window_(window) {
        if (background.isValid()) {
            QPalette p = palette();
            p.setColor(QPalette::Window, background);
            setPalette(p);
            setAutoFillBackground(true);
        }
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        HWND__* record = live_window(window_);
        if (record == nullptr || record->painting) {
            return;
        }
        record->painting = true;
        record->paint_rect = event->rect();
        SendMessageA(window_, WM_PAINT, 0, 0);
        if (HWND__* still = live_window(window_)) {
            still->painting = false;
        }
    }

  private:
    HWND window_;
};

std::vector<std::string> local_file_paths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
        }
    }
    return paths;
}

// A copy, never a move: a file manager would delete what it moved.
void accept_as_copy(QDropEvent* event) {
    if ((event->possibleActions() & Qt::CopyAction) != 0) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
}

// The top-level widget: stands for the caption and frame, which the window manager draws,
// and draws the sunken client edge itself.
class FrameWindow : public QWidget {
  public:
    FrameWindow(HWND window, Qt::WindowFlags flags) : QWidget(nullptr, flags), window_(window) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        HWND__* record = live_window(window_);
        if (record == nullptr || (record->ex_style & WS_EX_CLIENTEDGE) == 0) {
            return;
        }
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), true);
    }

    void resizeEvent(QResizeEvent*) override {
        HWND__* record = live_window(window_);
        if (record != nullptr && record->client != nullptr) {
            const int edge = client_edge(record->ex_style);
            record->client->setGeometry(rect().adjusted(edge, edge, -edge, -edge));
        }
    }

    // The window procedure decides: DefWindowProcA destroys the window.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (live_window(window_) != nullptr) {
            SendMessageA(window_, WM_CLOSE, 0, 0);
        }
    }

    void dragEnterEvent(QDragEnterEvent* event) override {
        if (!local_file_paths(event->mimeData()).empty()) {
            accept_as_copy(event);
        }
    }

    void dragMoveEvent(QDragMoveEvent* event) override {
        if (!local_file_paths(event->mimeData()).empty()) {
            accept_as_copy(event);
        }
    }

    void dropEvent(QDropEvent* event) override {
        std::vector<std::string> paths = local_file_paths(event->mimeData());
        if (paths.empty() || live_window(window_) == nullptr) {
            return;
        }
        accept_as_copy(event);
        HDROP drop = make_drop(std::move(paths));
        if (!PostMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0)) {
            DragFinish(drop);
        }
    }

  private:
    HWND window_;
};

Qt::WindowFlags frame_flags(DWORD style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if ((style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((style & WS_MINIMIZEBOX) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if ((style & WS_MAXIMIZEBOX) != 0 && (style & WS_THICKFRAME) != 0) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

}  // namespace

QSize client_size_for(DWORD style, DWORD ex_style, QSize outer) {
    int frame = 0;
    if ((style & WS_THICKFRAME) != 0) {
        frame = kSizingFrame;
    } else if ((style & (WS_CAPTION | WS_BORDER)) != 0) {
        frame = kFixedFrame;
    }
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaption : 0;
    const int edge = client_edge(ex_style);
    return QSize(std::max(0, outer.width() - 2 * frame - 2 * edge),
                 std::max(0, outer.height() - 2 * frame - caption - 2 * edge));
}

bool build_class_window(HWND window, const WNDCLASSEXA& window_class, int x, int y, int width,
                        int height) {
    const QColor background = system_brush_color(window_class.hbrBackground);
    HICON icon = window_class.hIcon != nullptr ? window_class.hIcon : window_class.hIconSm;
    QWidget* client = nullptr;

    if (window->parent == nullptr) {
        const QSize outer(width == CW_USEDEFAULT ? kDefaultOuterSize.width() : width,
                          height == CW_USEDEFAULT ? kDefaultOuterSize.height() : height);
        const QSize inner = client_size_for(window->style, window->ex_style, outer);
        const int edge = client_edge(window->ex_style);

        auto* frame = new FrameWindow(window, frame_flags(window->style));
        frame->setPalette(classic_palette());
        frame->setAutoFillBackground(true);
        frame->setWindowTitle(latin1(window->text));
        if (icon != nullptr) {
            frame->setWindowIcon(icon->icon);
        }
        const QSize frame_size(inner.width() + 2 * edge, inner.height() + 2 * edge);
        if ((window->style & WS_THICKFRAME) != 0) {
            frame->resize(frame_size);
        } else {
            frame->setFixedSize(frame_size);
        }
        if (x != CW_USEDEFAULT) {
            frame->move(x, y);
        }
        frame->setAcceptDrops((window->ex_style & WS_EX_ACCEPTFILES) != 0);
        client = new ClientArea(window, background, frame);
        client->setGeometry(edge, edge, inner.width(), inner.height());
        window->widget = frame;
    } else {
        HWND__* parent = live_window(window->parent);
        if (parent == nullptr || parent->client == nullptr) {
            return false;
        }
        client = new ClientArea(window, background, parent->client);
        client->setGeometry(x == CW_USEDEFAULT ? 0 : x, y == CW_USEDEFAULT ? 0 : y,
                            width == CW_USEDEFAULT ? 0 : width,
                            height == CW_USEDEFAULT ? 0 : height);
        window->widget = client;
    }
    if (window_class.hCursor != nullptr && window_class.hCursor->cursor) {
        client->setCursor(*window_class.hCursor->cursor);
    }
    window->client = client;
    apply_classic_style(window->widget);
    return true;
}
