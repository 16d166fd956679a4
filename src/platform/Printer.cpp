#include "platform/Printer.h"

#include "platform/SafeFile.h"
#include "platform/Services.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextFrame>
#include <cerrno>

namespace platform {

namespace {

std::unique_ptr<Printer>& printerInstance() {
    static std::unique_ptr<Printer> printer = std::make_unique<SystemPrinter>();
    return printer;
}

// Font metrics in twips: a paint device of 1440 dots per inch.
const QImage& twipsDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMeter = qRound(1440 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

QFont Printer::font() const {
    QFont f(m_fontName);
    f.setPointSizeF(m_fontSize);
    return f;
}

const QFontMetricsF& Printer::metricsOn(const QPaintDevice* device) const {
    if (!m_metrics || device != m_metricsDevice) {
        m_metrics = std::make_unique<QFontMetricsF>(font(), device);
        m_metricsDevice = device;
    }
    return *m_metrics;
}

void Printer::ensureDocument() {
    if (!m_inDocument) {
        m_inDocument = true;
        m_page = 1;
        beginDocument();
    }
}

void Printer::print(const QString& item, bool endLine) {
    ensureDocument();
    if (!item.isEmpty()) {
        drawText(currentX, currentY, item);
        currentX += textWidth(item);
    }
    if (endLine) {
        currentX = 0;
        currentY += textHeight();
    }
}

void Printer::newPage() {
    ensureDocument();
    startNewPage();
    ++m_page;
    currentX = 0;
    currentY = 0;
}

void Printer::endDoc() {
    const bool wasInDocument = m_inDocument;
    m_inDocument = false;
    m_page = 1;
    currentX = 0;
    currentY = 0;
    if (wasInDocument)
        finishDocument();
}

void Printer::printDocument(const QTextDocument& document, const QString& title) {
    const PrintCommand command(*this);
    endDoc(); // a text document left open ends before this one starts
    ensureDocument();
    drawDocument(document, title);
    endDoc();
}

void Printer::printImage(const QImage& image, const QString& title) {
    const PrintCommand command(*this);
    endDoc();
    ensureDocument();
    drawImage(image, title);
    endDoc();
}

PrintCommand::PrintCommand(Printer& printer) : m_printer(printer) {
    if (m_printer.m_commandDepth++ == 0)
        ++m_printer.m_commandCount;
}

PrintCommand::~PrintCommand() {
    if (m_printer.m_commandDepth > 1) {
        --m_printer.m_commandDepth;
        return;
    }
    // A document the command left open is part of it and ends with it.
    m_printer.endDoc();
    m_printer.m_commandDepth = 0;
    m_printer.commandEnded();
}

Printer& Printer::instance() {
    return *printerInstance();
}

std::unique_ptr<Printer> Printer::install(std::unique_ptr<Printer> printer) {
    std::swap(printerInstance(), printer);
    return printer;
}

// ---- RecordingPrinter

RecordingPrinter::RecordingPrinter(double pageWidth, double pageHeight) : m_width(pageWidth), m_height(pageHeight) {}

void RecordingPrinter::useFixedMetrics(double charWidth, double lineHeight) {
    m_charWidth = charWidth;
    m_lineHeight = lineHeight;
}

double RecordingPrinter::textWidth(const QString& text) const {
    if (m_charWidth > 0)
        return m_charWidth * text.size();
    return metricsOn(&twipsDevice()).horizontalAdvance(text);
}

double RecordingPrinter::textHeight(const QString&) const {
    if (m_lineHeight > 0)
        return m_lineHeight;
    return metricsOn(&twipsDevice()).height();
}

void RecordingPrinter::beginDocument() {
    documents.append(Document{{Page{}}, false, commandNumber()});
}

void RecordingPrinter::drawText(double x, double y, const QString& text) {
    documents.last().pages.last().items.append(Item{text, x, y, fontName(), fontSize()});
}

void RecordingPrinter::startNewPage() {
    documents.last().pages.append(Page{});
}

void RecordingPrinter::finishDocument() {
    documents.last().ended = true;
}

void RecordingPrinter::drawDocument(const QTextDocument& document, const QString& title) {
    Page& page = documents.last().pages.last();
    page.kind = QStringLiteral("document");
    page.title = title;
    page.items.append(Item{document.toPlainText(), 0, 0, fontName(), fontSize()});
}

void RecordingPrinter::drawImage(const QImage& image, const QString& title) {
    Page& page = documents.last().pages.last();
    page.kind = QStringLiteral("image");
    page.title = title;
    page.items.append(Item{QStringLiteral("%1x%2").arg(image.width()).arg(image.height()), 0, 0, {}, 0});
}

QStringList RecordingPrinter::words(int document, int page) const {
    QStringList out;
    for (const Item& item : documents.at(document).pages.at(page).items)
        if (!item.text.trimmed().isEmpty())
            out << item.text;
    return out;
}

// ---- SystemPrinter

namespace {

const QString kNotStarted = QStringLiteral("The printer could not be started, so nothing was printed.");

// The screen's dots per inch, which formatted pages are laid out in.
QSizeF screenDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return {96, 96};
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {double(qRound(screen->logicalDotsPerInchX())), double(qRound(screen->logicalDotsPerInchY()))};
    return {100, 100};
}

} // namespace

struct SystemPrinter::Impl {
    // Text is always measured on the printer; with a printer it takes the pages too.
    QPrinter printer{QPrinter::HighResolution};
    // Without a printer the pages go through a PDF writer into a file that
    // replaces nothing until every byte of it is known to be on the disk.
    std::unique_ptr<SafeFile> pdfFile;
    std::unique_ptr<QPdfWriter> pdfWriter;
    QPainter painter;
    QString pdfFolder;
    QString spoolFolder;
    int spooled = 0;
    bool toPdf = false;  // the output open now is a PDF file in place of a printer
    bool failed = false; // the command's output could not be started
    bool wrote = false;  // a PDF file was saved since the user was last told
    QString notSaved;    // why the command's PDF file could not be saved, if it could not

    double dpi() const { return printer.resolution(); }
    double toDevice(double twips) const { return twips * dpi() / 1440.0; }
    double toTwips(double device) const { return device * 1440.0 / dpi(); }

    // The device the pages are drawn on now: the PDF writer or the printer.
    QPagedPaintDevice& pages() {
        if (pdfWriter)
            return *pdfWriter;
        return printer;
    }

    // Starts a job on the printer or, without one, a new PDF file, whose name
    // goes to `pdfName`. False when the output could not be started.
    bool start(QString& pdfName) {
        // The system is asked for its printer once per document.
        const QPrinterInfo systemPrinter =
            spoolFolder.isEmpty() && pdfFolder.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
        const bool printerFound = !spoolFolder.isEmpty() || !systemPrinter.isNull();
        toPdf = !printerFound;
        if (toPdf)
            return startPdf(pdfName = newPdfFile());
        if (!spoolFolder.isEmpty()) {
            QDir().mkpath(spoolFolder);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QDir(spoolFolder).filePath(QStringLiteral("job-%1.pdf").arg(++spooled)));
        } else {
            printer.setOutputFileName(QString());
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(systemPrinter.printerName());
        }
        return painter.begin(&printer);
    }

    // Opens the PDF writer on a new file, with the resolution and page layout
    // the printer has for PDF output: text measured on the printer then lands
    // on the page just where it was measured to.
    bool startPdf(const QString& name) {
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::PdfFormat);
        pdfFile = std::make_unique<SafeFile>(name);
        if (!pdfFile->open()) {
            notSaved = pdfFile->reason();
            pdfFile.reset();
            return false;
        }
        pdfWriter = std::make_unique<QPdfWriter>(pdfFile.get());
        pdfWriter->setResolution(printer.resolution());
        pdfWriter->setPageLayout(printer.pageLayout());
        if (painter.begin(pdfWriter.get()))
            return true;
        endPdf(false);
        return false;
    }

    // A file name not yet taken in the printouts folder, made from the time.
    QString newPdfFile() const {
        QString folder = pdfFolder;
        if (folder.isEmpty())
            folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                     QStringLiteral("/Travisto Printouts");
        QDir().mkpath(folder);
        const QString stamp = Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString file;
        for (int n = 1;; ++n) {
            file = QDir(folder).filePath(QStringLiteral("Travisto-%1-%2.pdf").arg(stamp).arg(n));
            if (!QFileInfo::exists(file))
                return file;
        }
    }

    // Ends the printer's job, or writes the PDF file out and puts it in place.
    void finish() {
        const bool ended = painter.isActive() && painter.end();
        if (pdfFile)
            endPdf(ended);
    }

    // Puts the PDF file in place when it was finished and every byte of it
    // reached the disk; otherwise throws it away and keeps the reason.
    void endPdf(bool finished) {
        pdfWriter.reset();
        if (finished && pdfFile->commit()) {
            wrote = true;
        } else {
            notSaved = pdfFile->reason();
            if (notSaved.isEmpty())
                notSaved = fileErrorPhrase(EIO);
        }
        pdfFile.reset();
    }
};

SystemPrinter::SystemPrinter() : d(std::make_unique<Impl>()) {}

SystemPrinter::~SystemPrinter() {
    d->finish();
}

void SystemPrinter::setPdfFolder(const QString& folder) {
    d->pdfFolder = folder;
}

void SystemPrinter::setSpoolFolder(const QString& folder) {
    d->spoolFolder = folder;
}

double SystemPrinter::scaleWidth() const {
    return d->printer.pageLayout().paintRect(QPageLayout::Point).width() * 20.0;
}

double SystemPrinter::scaleHeight() const {
    return d->printer.pageLayout().paintRect(QPageLayout::Point).height() * 20.0;
}

double SystemPrinter::textWidth(const QString& text) const {
    return d->toTwips(metricsOn(&d->printer).horizontalAdvance(text));
}

double SystemPrinter::textHeight(const QString&) const {
    return d->toTwips(metricsOn(&d->printer).height());
}

void SystemPrinter::beginDocument() {
    if (d->painter.isActive()) {
        // A further document of the command's PDF file starts on a sheet of its own.
        d->pages().newPage();
        return;
    }
    // After one failure the command tries no more; the user hears of it once.
    if (!d->failed)
        d->failed = !d->start(m_lastPdf);
}

void SystemPrinter::drawText(double x, double y, const QString& text) {
    if (!d->painter.isActive())
        return;
    const QFont printerFont(font(), &d->printer);
    if (d->painter.font() != printerFont)
        d->painter.setFont(printerFont);
    d->painter.drawText(QPointF(d->toDevice(x), d->toDevice(y) + metricsOn(&d->printer).ascent()), text);
}

// Laid out as the browser prints a page: 2 cm margins within the printable
// area and the page number at the bottom right of every page.
void SystemPrinter::drawDocument(const QTextDocument& document, const QString&) {
    if (!d->painter.isActive())
        return;
    QPainter& painter = d->painter;
    std::unique_ptr<QTextDocument> doc(document.clone());
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    QPagedPaintDevice& device = d->pages();
    layout->setPaintDevice(&device);

    // The margins are given in screen dots; the layout scales them to the printer.
    const QSizeF sourceDpi = screenDpi();
    const int horizontalMargin = int((2 / 2.54) * sourceDpi.width());
    const int verticalMargin = int((2 / 2.54) * sourceDpi.height());
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setLeftMargin(horizontalMargin);
    frame.setRightMargin(horizontalMargin);
    frame.setTopMargin(verticalMargin);
    frame.setBottomMargin(verticalMargin);
    doc->rootFrame()->setFrameFormat(frame);

    const QRectF body(0, 0, device.width(), device.height());
    const QPointF pageNumberAt(body.width() - horizontalMargin * device.logicalDpiX() / sourceDpi.width(),
                               body.height() - verticalMargin * device.logicalDpiY() / sourceDpi.height() +
                                   QFontMetrics(doc->defaultFont(), &device).ascent() +
                                   5 * device.logicalDpiY() / 72.0);
    doc->setPageSize(body.size());

    const int pages = doc->pageCount();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            device.newPage();
        const QRectF view(0, (page - 1) * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        // Black text whatever the screen's colours are.
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.setClipping(false);
        painter.setFont(doc->defaultFont());
        const QString number = QString::number(page);
        painter.drawText(qRound(pageNumberAt.x() - painter.fontMetrics().horizontalAdvance(number)),
                         qRound(pageNumberAt.y() + view.top()), number);
        painter.restore();
    }
}

void SystemPrinter::drawImage(const QImage& image, const QString&) {
    if (!d->painter.isActive() || image.isNull())
        return;
    // The picture goes in with its own pixels, kept exact (no lossy
    // compression of lettering); the painter scales it, smoothly, to the width
    // of the printable area, from its top left corner.
    const QRectF area = d->pages().pageLayout().paintRectPixels(int(d->dpi()));
    const QRectF place(0, 0, area.width(), area.width() * image.height() / image.width());
    d->painter.save();
    d->painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering);
    d->painter.drawImage(place, image);
    d->painter.restore();
}

void SystemPrinter::startNewPage() {
    if (d->painter.isActive())
        d->pages().newPage();
}

void SystemPrinter::finishDocument() {
    // A printer's job ends with its document; a PDF file takes every
    // document of the command.
    if (!d->toPdf || !inCommand())
        d->finish();
    if (!inCommand())
        commandEnded();
}

void SystemPrinter::commandEnded() {
    d->finish();
    const QString file = QDir::toNativeSeparators(m_lastPdf);
    if (!d->notSaved.isEmpty())
        msgBox(QStringLiteral("The printout could not be saved as %1: %2.").arg(file, d->notSaved));
    else if (d->failed)
        msgBox(kNotStarted);
    else if (d->wrote && m_tellUser)
        msgBox(QStringLiteral("No printer was found, so the printout was saved as %1").arg(file));
    d->failed = false;
    d->wrote = false;
    d->notSaved.clear();
}

} // namespace platform
