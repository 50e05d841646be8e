// The main window reopens where it was left: the frame stays exactly in
// place over five restarts, and a first start shows the whole frame. The
// test runs offscreen and again under openbox on Xvfb, where a window
// manager draws and places the frame.
#include <QtTest>

#include <QScreen>

#include "ui/mainwindow.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

const std::string OneModel = "[model1]\r\nuse=1\r\natis=True\r\n";
// A busy machine may take long to map and frame a window: the waits are
// generous so that only a window that never gets there fails.
constexpr int WaitMs = 60000;

// Shown, and framed when a window manager frames it.
bool showFramed(MainWindow& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, WaitMs)) return false;
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return true;
    return QTest::qWaitFor([&window] { return window.frameGeometry().top() < window.geometry().top(); },
                           WaitMs);
}

} // namespace

class RestartPlaceTest : public QObject {
    Q_OBJECT

  private slots:
    void firstStartShowsTheWholeFrame()
    {
        EditorFixture editor("firstStart", OneModel);
        QVERIFY(editor.start());
        QVERIFY(showFramed(*editor.window));
        const QRect screen = editor.window->screen()->availableGeometry();
        QTRY_VERIFY2_WITH_TIMEOUT(screen.contains(editor.window->frameGeometry()),
                                  qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                                 .arg(editor.window->frameGeometry().x())
                                                 .arg(editor.window->frameGeometry().y())
                                                 .arg(editor.window->frameGeometry().width())
                                                 .arg(editor.window->frameGeometry().height())),
                                  WaitMs);
    }

    void fiveRestartsKeepTheFrame()
    {
        EditorFixture editor("restarts", OneModel);
        QVERIFY(editor.start());
        QVERIFY(showFramed(*editor.window));
        editor.window->move(100, 80);
        QTRY_COMPARE_WITH_TIMEOUT(editor.window->frameGeometry().topLeft(), QPoint(100, 80), WaitMs);
        const QRect left = editor.window->frameGeometry();
        for (int restart = 1; restart <= 5; ++restart) {
            QVERIFY(editor.window->close());
            QVERIFY(editor.start());
            QVERIFY(showFramed(*editor.window));
            QTRY_COMPARE_WITH_TIMEOUT(editor.window->frameGeometry(), left, WaitMs);
        }
    }
};

QTEST_MAIN(RestartPlaceTest)
#include "tst_restartplace.moc"
