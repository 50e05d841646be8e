// The editor on the DSC page's second advanced tab (or on the node and
// tab given as arguments), shown on a real display for the accessibility
// bus: atspilabels.py reads it from outside as a screen reader does.
// Prints "ready" once the page is shown and runs until it is ended.
#include <cstdio>

#include <QApplication>
#include <QTabWidget>
#include <QTimer>

#include "ui/mainwindow.h"
#include "uitestsupport.h"

using namespace zmp;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    test::EditorFixture editor("atspiDscPage");
    if (!editor.start()) return 1;
    editor.window->show();
    const QStringList arguments = QApplication::arguments();
    editor.window->selectNodeByKey(arguments.value(1, QStringLiteral("DSC")).toStdString());
    if (auto* tabs = editor.window->findChild<QTabWidget*>(QStringLiteral("tbsDSC_USER")))
        tabs->setCurrentIndex(arguments.value(2, QStringLiteral("2")).toInt());
    QTimer::singleShot(0, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    return app.exec();
}
