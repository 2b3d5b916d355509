// File drops: real drag-and-drop events on the window, and the drop handle queries.
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <cstring>

#include "window_fixture.h"

namespace platform_test {
namespace {

using win32_test::widget_of;

// Files made for the test; the last lies deep enough for a path over 300 bytes.
class DroppedFiles {
  public:
    DroppedFiles() {
        QDir dir(root_.path());
        const QString deep = QString(100, QLatin1Char('d')) + QLatin1Char('/') +
                             QString(100, QLatin1Char('e')) + QLatin1Char('/') +
                             QString(100, QLatin1Char('f'));
        dir.mkpath(deep);
        for (const QString& name : {QStringLiteral("scene.wlp"), QStringLiteral("with space é.wlp"),
                                    deep + QStringLiteral("/far.wlp")}) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write("x");
            paths_.push_back(dir.filePath(name));
        }
    }

    QList<QUrl> urls() const {
        QList<QUrl> result;
        for (const QString& path : paths_) {
            result.push_back(QUrl::fromLocalFile(path));
        }
        return result;
    }

    std::vector<std::string> native_paths() const {
        std::vector<std::string> result;
        for (const QString& path : paths_) {
            result.push_back(QFile::encodeName(path).toStdString());
        }
        return result;
    }

  private:
    QTemporaryDir root_;
    QStringList paths_;
};

struct DropResult {
    bool enter_accepted;
    bool drop_accepted;
    Qt::DropAction action;
};

DropResult drag_and_drop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint point = target->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(target, &drop);
    return DropResult{enter.isAccepted(), drop.isAccepted(), drop.dropAction()};
}

std::vector<MSG> drop_messages(const std::vector<MSG>& messages) {
    std::vector<MSG> drops;
    for (const MSG& msg : messages) {
        if (msg.message == WM_DROPFILES) {
            drops.push_back(msg);
        }
    }
    return drops;
}

std::vector<std::string> paths_in(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '#');
        EXPECT_EQ(DragQueryFileA(drop, i, path.data(), length + 1), length);
        EXPECT_EQ(path[length], '\0');
        path.resize(length);
        paths.push_back(path);
    }
    EXPECT_EQ(DragQueryFileA(drop, count, nullptr, 0), 0u);
    return paths;
}

TEST_F(WindowTest, DroppedLocalFilesArriveAsDropFilesWithTheirNativePaths) {
    DroppedFiles files;
    HWND main = create_main_window();
    HWND edit = create_child(main, "edit", "", kChild | WS_BORDER | ES_RIGHT, 10, 20, 125, 25, 2);
    show(main);
    ASSERT_GT(files.native_paths().back().size(), 300u);

    // Over a field, the drop still goes to the window, as the field takes no files.
    for (QWidget* target : {widget_of(main), widget_of(edit)}) {
        QList<QUrl> urls = files.urls();
        urls.insert(1, QUrl(QStringLiteral("https://example.org/remote.wlp")));
        const DropResult result = drag_and_drop(target, urls);
        EXPECT_TRUE(result.enter_accepted);
        EXPECT_TRUE(result.drop_accepted);
        EXPECT_EQ(result.action, Qt::CopyAction) << "a move would let the source delete files";

        const std::vector<MSG> drops = drop_messages(take_queued());
        ASSERT_EQ(drops.size(), 1u);
        EXPECT_EQ(drops[0].hwnd, main);
        EXPECT_EQ(drops[0].lParam, 0);
        HDROP drop = reinterpret_cast<HDROP>(drops[0].wParam);
        EXPECT_EQ(paths_in(drop), files.native_paths());
        DragFinish(drop);
        EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 0u);
    }
    EXPECT_EQ(GetWindowTextA(edit, nullptr, 0), 0);
    char buffer[8];
    EXPECT_EQ(GetWindowTextA(edit, buffer, sizeof buffer), 0);
}

TEST_F(WindowTest, DragsWithoutLocalFilesOrOnWindowsThatTakeNoneAreRefused) {
    DroppedFiles files;
    struct Case {
        const char* name;
        DWORD ex_style;
        QList<QUrl> urls;
    };
    const Case cases[] = {
        {"remote only", kMainExStyle, {QUrl(QStringLiteral("https://example.org/a.wlp"))}},
        {"no urls", kMainExStyle, {}},
        {"window without WS_EX_ACCEPTFILES", WS_EX_CLIENTEDGE, files.urls()},
    };
    for (const Case& c : cases) {
        HWND main = create_main_window(c.ex_style);
        show(main);
        const DropResult result = drag_and_drop(widget_of(main), c.urls);
        EXPECT_FALSE(result.enter_accepted) << c.name;
        EXPECT_FALSE(result.drop_accepted) << c.name;
        EXPECT_TRUE(drop_messages(take_queued()).empty()) << c.name;
    }
}

TEST_F(WindowTest, DragQueryFileCutsToTheBufferAndTerminates) {
    const std::string long_path = "/" + std::string(399, 'p');
    HDROP drop = win32_test::make_drop_handle({"/tmp/abcdef", long_path});
    struct Case {
        UINT index;
        UINT size;
        bool buffer;
        UINT result;
        std::string text;  // empty with result 0 and size 0: buffer untouched
    };
    const Case cases[] = {
        {0xFFFFFFFF, 0, false, 2, ""},
        {0, 0, false, 11, ""},
        {1, 0, false, 400, ""},
        {2, 0, false, 0, ""},
        {2, 250, true, 0, "#"},
        {0, 0, true, 0, "#"},
        {0, 1, true, 0, ""},
        {0, 5, true, 4, "/tmp"},
        {0, 11, true, 10, "/tmp/abcde"},
        {0, 12, true, 11, "/tmp/abcdef"},
        {0, 250, true, 11, "/tmp/abcdef"},
        {1, 250, true, 249, long_path.substr(0, 249)},
        {1, 401, true, 400, long_path},
    };
    for (const Case& c : cases) {
        std::string buffer(512, '#');
        const UINT result =
            DragQueryFileA(drop, c.index, c.buffer ? buffer.data() : nullptr, c.size);
        EXPECT_EQ(result, c.result) << c.index << " " << c.size;
        if (!c.buffer) {
            continue;
        }
        if (c.text == "#") {
            EXPECT_EQ(buffer[0], '#') << c.index << " " << c.size;
            continue;
        }
        EXPECT_EQ(std::string(buffer.c_str()), c.text) << c.index << " " << c.size;
        EXPECT_EQ(buffer[c.text.size() + 1], '#') << "wrote past the terminator";
    }
    DragFinish(drop);
    DragFinish(drop);  // a second release is refused, not a double free
    EXPECT_EQ(DragQueryFileA(drop, 0, nullptr, 0), 0u);
    EXPECT_EQ(DragQueryFileA(nullptr, 0xFFFFFFFF, nullptr, 0), 0u);
}

}  // namespace
}  // namespace platform_test
