#include "platform/Printer.h"

#include "platform/Services.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextDocument>

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
    if (m_inDocument)
        finishDocument();
    m_inDocument = false;
    m_page = 1;
    currentX = 0;
    currentY = 0;
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
    documents.append(Document{{Page{}}, false});
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

void RecordingPrinter::printDocument(const QTextDocument& document, const QString& title) {
    Page page;
    page.kind = QStringLiteral("document");
    page.title = title;
    page.items.append(Item{document.toPlainText(), 0, 0, fontName(), fontSize()});
    documents.append(Document{{page}, true});
}

void RecordingPrinter::printImage(const QImage& image, const QString& title) {
    Page page;
    page.kind = QStringLiteral("image");
    page.title = title;
    page.items.append(Item{QStringLiteral("%1x%2").arg(image.width()).arg(image.height()), 0, 0, {}, 0});
    documents.append(Document{{page}, true});
}

QStringList RecordingPrinter::words(int document, int page) const {
    QStringList out;
    for (const Item& item : documents.at(document).pages.at(page).items)
        if (!item.text.trimmed().isEmpty())
            out << item.text;
    return out;
}

// ---- SystemPrinter

struct SystemPrinter::Impl {
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    QString pdfFolder;
    bool toPdf = false;
    bool failed = false;

    double dpi() const { return printer.resolution(); }
    double toDevice(double twips) const { return twips * dpi() / 1440.0; }
    double toTwips(double device) const { return device * 1440.0 / dpi(); }

    // Chooses the printer or, without one, a new PDF file.
    QString prepare() {
        toPdf = !pdfFolder.isEmpty() || QPrinterInfo::defaultPrinter().isNull();
        if (!toPdf) {
            printer.setOutputFormat(QPrinter::NativeFormat);
            printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
            return {};
        }
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
                break;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return file;
    }
};

SystemPrinter::SystemPrinter() : d(std::make_unique<Impl>()) {}

SystemPrinter::~SystemPrinter() {
    if (d->painter.isActive())
        d->painter.end();
}

void SystemPrinter::setPdfFolder(const QString& folder) {
    d->pdfFolder = folder;
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
    m_lastPdf = d->prepare();
    d->failed = !d->painter.begin(&d->printer);
    if (d->failed)
        msgBox(QStringLiteral("The printer could not be started, so nothing was printed."));
}

void SystemPrinter::drawText(double x, double y, const QString& text) {
    if (d->failed)
        return;
    const QFont printerFont(font(), &d->printer);
    if (d->painter.font() != printerFont)
        d->painter.setFont(printerFont);
    d->painter.drawText(QPointF(d->toDevice(x), d->toDevice(y) + metricsOn(&d->printer).ascent()), text);
}

void SystemPrinter::startNewPage() {
    if (!d->failed)
        d->printer.newPage();
}

void SystemPrinter::finishDocument() {
    if (d->failed) {
        d->failed = false;
        return;
    }
    d->painter.end();
    if (d->toPdf && m_tellUser)
        msgBox(QStringLiteral("No printer was found, so the printout was saved as %1").arg(m_lastPdf));
}

void SystemPrinter::printDocument(const QTextDocument& document, const QString& title) {
    Q_UNUSED(title);
    m_lastPdf = d->prepare();
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->print(&d->printer);
    if (d->printer.printerState() == QPrinter::Error) {
        msgBox(QStringLiteral("The printer could not be started, so nothing was printed."));
        return;
    }
    if (d->toPdf && m_tellUser)
        msgBox(QStringLiteral("No printer was found, so the printout was saved as %1").arg(m_lastPdf));
}

void SystemPrinter::printImage(const QImage& image, const QString& title) {
    Q_UNUSED(title);
    m_lastPdf = d->prepare();
    QPainter painter;
    if (!painter.begin(&d->printer)) {
        msgBox(QStringLiteral("The printer could not be started, so nothing was printed."));
        return;
    }
    const QRectF area = d->printer.pageLayout().paintRectPixels(d->printer.resolution());
    const QImage scaled = image.scaledToWidth(int(area.width()), Qt::SmoothTransformation);
    painter.drawImage(QPointF(0, 0), scaled);
    painter.end();
    if (d->toPdf && m_tellUser)
        msgBox(QStringLiteral("No printer was found, so the printout was saved as %1").arg(m_lastPdf));
}

} // namespace platform
