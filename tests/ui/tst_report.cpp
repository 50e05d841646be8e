// The report window's Save As and its cancel, and the printed report on a
// PDF printer, read back with pdftotext -bbox.
#include <QtTest>

#include <QAction>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "image/newimage.h"
#include "message/messagetexts.h"
#include "platform/reportprinter.h"
#include "report/printedreport.h"
#include "report/reporttext.h"
#include "ui/mainactions.h"
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
    double xMaxMm = 0;
    double yMaxMm = 0;
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
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const QString& line : html.split('\n')) {
        if (line.contains("<page ")) ++page;
        const auto match = word.match(line);
        if (match.hasMatch())
            words.push_back({page, match.captured(1).toDouble() / PointsPerMm,
                             match.captured(2).toDouble() / PointsPerMm, match.captured(5),
                             match.captured(3).toDouble() / PointsPerMm,
                             match.captured(4).toDouble() / PointsPerMm});
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

// The longest texts the lists can hold, in every row.
void fillEveryList(Records& records)
{
    for (ChannelTable* table : {&records.usa, &records.intl, &records.can, &records.wx, &records.exp})
        for (ChannelRecord& channel : *table) {
            channel.Enable = true;
            channel.ChTag = "WWWWWWWWWWWW";
            channel.LowPower = channel.PowUp = channel.ScanMemory = channel.TxEnable = channel.Duplex = true;
        }
    for (ChannelRecord& channel : records.exp) {
        channel.CHDisplayL = "WW";
        channel.CHDisplayR = "W";
        channel.Rxfreq = 157.425;
        channel.Txfreq = 157.425;
    }
    for (UsableGroup& group : records.groups)
        group.StatusName = "WWWW";
}

QString pdfIn(const std::filesystem::path& folder)
{
    return QString::fromStdString((folder / "report.pdf").string());
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

  private slots:
    void saveAsWritesReportAndLineEnd()
    {
        EditorState state;
        makeNewImage(ModelMr4400, state.records, state.image);
        state.programDir = scratchFolder("saveAs");
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
        state.programDir = scratchFolder("cancel");
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
        const QString pdf = QString::fromStdString((scratchFolder("print") / "report.pdf").string());
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

    void printedTextsNeverRunIntoEachOther()
    {
        Configuration config;
        fillEveryList(config.records);
        const QString pdf = pdfIn(scratchFolder("overlap"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const ReportInput input{config.records, config.image, ModelMr4400, true};
        const PrintedReport report = printedReport(input, ReportPrinter::geometryOf(printer));
        QVERIFY(ReportPrinter::print(report, printer));
        // Two texts that touch come out of the PDF as one word ("LOWUP").
        std::vector<QSet<QString>> printed(report.size() + 1);
        for (std::size_t p = 0; p < report.size(); ++p)
            for (const PrintItem& item : report[p])
                for (const QString& word : QString::fromStdString(item.text).split(' ', Qt::SkipEmptyParts))
                    printed[p + 1].insert(word);
        std::vector<PdfWord> words = wordsOf(pdf);
        QVERIFY(words.size() > 1000);
        for (const PdfWord& w : words)
            QVERIFY2(printed[std::size_t(w.page)].contains(w.text), qPrintable(w.text));
        std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
            return std::tie(a.page, a.yMinMm, a.xMinMm) < std::tie(b.page, b.yMinMm, b.xMinMm);
        });
        for (std::size_t i = 1; i < words.size(); ++i) {
            const PdfWord& a = words[i - 1];
            const PdfWord& b = words[i];
            const bool sameLine = a.page == b.page && b.yMinMm < a.yMaxMm;
            if (sameLine)
                QVERIFY2(b.xMinMm >= a.xMaxMm, qPrintable(QString("%1 runs into %2").arg(a.text, b.text)));
        }
        // Page 1 holds the settings, down to the last DSC section.
        QVERIFY(findWord(words, "Menu:", 1));
        QVERIFY(findWord(words, "[PositionRequest", 1));
        QVERIFY(!findWord(words, "[PositionRequest", 2));
    }

    void withoutAPrinterPrintOffersAPdfFile()
    {
        EditorFixture editor("noPrinter", "[model1]\nuse=1\natis=False\n");
        QVERIFY(editor.start());
        editor.dialogs.printerInstalled = false;
        editor.dialogs.pdfPath = (editor.folder / "never.pdf").string();
        editor.messages.answer(MessageAnswer::No);
        editor.messages.shown.clear();
        editor.window->actions().filePrint->trigger();
        QCOMPARE(editor.messages.shown.size(), std::size_t(1));
        QCOMPARE(
            editor.messages.shown[0].text,
            std::string("No printer is installed.\nDo you want to save the report as a PDF file instead?"));
        QCOMPARE(editor.messages.shown[0].title, std::string("PC Program for MR4400"));
        QVERIFY(!std::filesystem::exists(editor.folder / "never.pdf"));
        editor.messages.answer(MessageAnswer::Yes);
        editor.dialogs.paths.push_back(pdfIn(editor.folder).toStdString());
        editor.window->actions().filePrint->trigger();
        QCOMPARE(editor.dialogs.filtersAsked.back(), std::string(msg::PdfFilter));
        QVERIFY(findWord(wordsOf(pdfIn(editor.folder)), "Zampler", 1));
        QVERIFY(editor.window->isEnabled());
    }

    void aPrinterThatCannotStartIsReported()
    {
        EditorFixture editor("printerFails", "[model1]\nuse=1\natis=False\n");
        QVERIFY(editor.start());
        editor.dialogs.pdfPath = (editor.folder / "missing folder" / "x" / "report.pdf").string();
        editor.messages.answer(MessageAnswer::No);
        editor.messages.shown.clear();
        editor.window->actions().filePrint->trigger();
        QCOMPARE(editor.messages.shown.size(), std::size_t(1));
        QVERIFY(editor.messages.shown[0].text.rfind("The report could not be printed.\n", 0) == 0);
        QVERIFY(editor.window->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void exportPdfWritesTheReportForEveryone()
    {
        EditorFixture editor("exportPdf", "[model1]\nuse=1\natis=False\n");
        QVERIFY(editor.start());
        QCOMPARE(editor.window->actions().fileExportPdf->text(), QString("Expor&t PDF\u2026"));
        editor.messages.shown.clear();
        editor.dialogs.paths.push_back((editor.folder / "report").string());
        editor.window->actions().fileExportPdf->trigger();
        QVERIFY(findWord(wordsOf(pdfIn(editor.folder)), "Zampler", 1));
        QVERIFY(editor.messages.shown.empty());
        // Cancelled: nothing written, nothing said.
        editor.window->actions().fileExportPdf->trigger();
        QVERIFY(editor.messages.shown.empty());
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
