// The report window's Save As and its cancel, and the printed report on a
// PDF printer, read back with pdftotext -bbox.
#include <QtTest>

#include <QAction>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "image/newimage.h"
#include "platform/reportprinter.h"
#include "report/printedreport.h"
#include "report/reporttext.h"
#include "ui/mainwindow.h"
#include "ui/reportwindow.h"
#include "uitestsupport.h"

using namespace zmp;
using namespace zmp::test;

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;

struct PdfWord {
    int page = 0;
    double xMinMm = 0;
    double yMinMm = 0;
    QString text;
};

// Every word of the PDF with its page and top-left corner in millimetres.
std::vector<PdfWord> wordsOf(const QString& pdf)
{
    QProcess tool;
    tool.start("pdftotext", {"-bbox", pdf, "-"});
    tool.waitForFinished(30000);
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    std::vector<PdfWord> words;
    int page = 0;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    for (const QString& line : html.split('\n')) {
        if (line.contains("<page ")) ++page;
        const auto match = word.match(line);
        if (match.hasMatch())
            words.push_back({page, match.captured(1).toDouble() / PointsPerMm,
                             match.captured(2).toDouble() / PointsPerMm, match.captured(3)});
    }
    return words;
}

const PdfWord* findWord(const std::vector<PdfWord>& words, const QString& text, int page)
{
    for (const PdfWord& w : words)
        if (w.text == text && w.page == page) return &w;
    return nullptr;
}

struct Configuration {
    Configuration()
    {
        makeNewImage(ModelMr4400, records, image);
        state.model = ModelMr4400;
        state.hasAtis = true;
    }
    Records records;
    MemoryImage image;
    EditorState state;
};

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

  private slots:
    void saveAsWritesReportAndLineEnd()
    {
        EditorState state;
        makeNewImage(ModelMr4400, state.records, state.image);
        state.programDir = freshFolder("saveAs");
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        ReportWindow window(state, messages, dialogs);
        window.show();
        QCOMPARE(window.objectName(), QString("frmPrn"));
        QCOMPARE(window.windowTitle(), QString("Print to File"));
        QCOMPARE(window.findChild<QPlainTextEdit*>("txtPrn")->toPlainText(),
                 QString("Now, making text image. Please wait..."));
        QTRY_VERIFY_WITH_TIMEOUT(window.reportShown() && window.isEnabled(), 10000);
        const ReportInput input{state.records, state.image, state.model, state.hasAtis};
        const std::string expected = reportText(input);
        const std::filesystem::path path = state.programDir / "report.txt";
        dialogs.paths.push_back(path.string());
        window.findChild<QAction*>("mnuFileSaveAs")->trigger();
        QCOMPARE(readBytes(path), expected + "\r\n");
        QCOMPARE(dialogs.filtersAsked.back(), std::string("Text files(*.txt)|*.txt|All files(*.*)|*.*"));
        QVERIFY(messages.shown.empty());
        QVERIFY(window.isVisible());
        QVERIFY(window.grab().save(QString::fromStdString((state.programDir / "frmPrn.png").string())));
    }

    void cancelledSaveAsWritesNothing()
    {
        EditorState state;
        makeNewImage(ModelMr4400, state.records, state.image);
        state.programDir = freshFolder("cancel");
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        ReportWindow window(state, messages, dialogs);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.reportShown() && window.isEnabled(), 10000);
        window.saveAs();
        QVERIFY(state.flags.CancelFlag);
        QVERIFY(window.isVisible());
        QVERIFY(std::filesystem::is_empty(state.programDir));
        // A path that cannot be written: a warning, the flags, nothing left behind.
        dialogs.paths.push_back((state.programDir / "missing" / "report.txt").string());
        state.flags.CancelFlag = false;
        window.saveAs();
        QVERIFY(state.flags.ErrorFlag && state.flags.CancelFlag);
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QCOMPARE(messages.shown[0].title, std::string("MR4400 PC Program for MR4400"));
        QVERIFY(window.isEnabled());
    }

    void printedReportLandsAtItsPositions()
    {
        Configuration config;
        const QString pdf = QString::fromStdString((freshFolder("print") / "report.pdf").string());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const ReportInput input{config.records, config.image, ModelMr4400, true};
        const PrintedReport report = printedReport(input, ReportPrinter::geometryOf(printer));
        QVERIFY(ReportPrinter::print(report, printer));
        const std::vector<PdfWord> words = wordsOf(pdf);
        QVERIFY(!words.empty());
        int pages = 0;
        for (const PdfWord& w : words)
            pages = std::max(pages, w.page);
        QCOMPARE(pages, int(report.size()));
        // Each item's first word stands where the layout put it.
        int checked = 0;
        for (std::size_t p = 0; p < report.size(); ++p)
            for (const PrintItem& item : report[p]) {
                const QString first = QString::fromStdString(item.text).simplified().section(' ', 0, 0);
                if (first.isEmpty() || checked > 400) continue;
                const PdfWord* w = findWord(words, first, int(p) + 1);
                QVERIFY2(w, qPrintable(first));
                bool near = false;
                for (const PdfWord& candidate : words)
                    if (candidate.page == int(p) + 1 && candidate.text == first &&
                        std::abs(candidate.xMinMm - item.xMm) < 1.0 &&
                        std::abs(candidate.yMinMm - item.yMm) < 3.0)
                        near = true;
                QVERIFY2(near, qPrintable(QString("%1 at %2,%3").arg(first).arg(item.xMm).arg(item.yMm)));
                ++checked;
            }
        QVERIFY(checked > 50);
        const PdfWord* header = findWord(words, "Zampler", 1);
        QVERIFY(header);
        QVERIFY(std::abs(header->yMinMm - 5.0) < 3.0);
    }

    void printCommandUsesChosenPrinter()
    {
        EditorFixture editor("printCommand", "[model1]\nuse=1\natis=False\n");
        QVERIFY(editor.start());
        editor.dialogs.pdfPath = (editor.folder / "command.pdf").string();
        editor.window->findChild<QAction*>("mnuFilePrint")->trigger();
        const std::vector<PdfWord> words = wordsOf(QString::fromStdString(editor.dialogs.pdfPath));
        QVERIFY(findWord(words, "MR4400", 1));
        for (const PdfWord& w : words)
            QVERIFY(w.text != "ATIS");
        // A cancelled print dialog prints nothing.
        editor.dialogs.pdfPath.clear();
        editor.window->findChild<QAction*>("mnuFilePrint")->trigger();
        QVERIFY(editor.window->isEnabled());
    }
};

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
