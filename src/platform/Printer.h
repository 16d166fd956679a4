#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <QVector>
#include <memory>

class QTextDocument;

namespace platform {

class PrintCommand;

// The printer as the program's windows use it: a page in twips, a print
// position (CurrentX, CurrentY) that printed items advance, a font, a page
// count, NewPage and EndDoc. The first item drawn starts a document.
class Printer {
public:
    virtual ~Printer() = default;

    QString fontName() const { return m_fontName; }
    void setFontName(const QString& name) {
        m_fontName = name;
        m_metrics.reset();
    }
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points) {
        m_fontSize = points;
        m_metrics.reset();
    }
    QFont font() const;

    double currentX = 0;
    double currentY = 0;

    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    // The page number within the current document, from 1.
    int page() const { return m_page; }
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text = QStringLiteral("X")) const = 0;

    // Prints an item at the print position and moves the position past it;
    // with endLine the position then goes to the left edge of the next line.
    void print(const QString& item, bool endLine = false);
    // Ends the line without printing: left edge, one line lower.
    void endLine() { print(QString(), true); }
    void newPage();
    void endDoc();

    // Prints a whole formatted document (a web page) as a document of its own.
    void printDocument(const QTextDocument& document, const QString& title);
    // Prints a picture as a document of its own, scaled to the page width
    // (the image of a window, a map).
    void printImage(const QImage& image, const QString& title);

    static Printer& instance();
    // Swaps the printer; returns the one that was installed.
    static std::unique_ptr<Printer> install(std::unique_ptr<Printer> printer);

protected:
    // Metrics of the current font on `device`, kept until the font changes.
    const QFontMetricsF& metricsOn(const QPaintDevice* device) const;
    virtual void beginDocument() = 0;
    virtual void drawText(double x, double y, const QString& text) = 0;
    virtual void drawDocument(const QTextDocument& document, const QString& title) = 0;
    virtual void drawImage(const QImage& image, const QString& title) = 0;
    virtual void startNewPage() = 0;
    virtual void finishDocument() = 0;
    // The outermost PrintCommand has ended; its documents are all finished.
    virtual void commandEnded() {}
    bool inDocument() const { return m_inDocument; }
    bool inCommand() const { return m_commandDepth > 0; }
    // Counts the user commands from 1; 0 for printing outside any command.
    int commandNumber() const { return m_commandDepth > 0 ? m_commandCount : 0; }

private:
    friend class PrintCommand;
    void ensureDocument();

    QString m_fontName = QStringLiteral("Times New Roman");
    double m_fontSize = 12;
    int m_page = 1;
    bool m_inDocument = false;
    int m_commandDepth = 0;
    int m_commandCount = 0;
    mutable std::unique_ptr<QFontMetricsF> m_metrics;
    mutable const QPaintDevice* m_metricsDevice = nullptr;
};

// Marks everything printed while it lives as one user command: without a
// printer the command's documents go into one PDF file, one after another,
// and the user is told once, when the outermost command ends (by then every
// wait cursor of the printing is gone). Commands nest; an inner one adds
// nothing. Each document printed outside a command is a command of its own.
class PrintCommand {
public:
    explicit PrintCommand(Printer& printer = Printer::instance());
    ~PrintCommand();
    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;

private:
    Printer& m_printer;
};

// Records every document, page and drawn item instead of printing.
// Text is measured either with the real font metrics at 1440 dots per inch,
// or, for exact tests, with a fixed width per character and line height.
class RecordingPrinter : public Printer {
public:
    struct Item {
        QString text;
        double x = 0;
        double y = 0;
        QString fontName;
        double fontSize = 0;
    };
    struct Page {
        QVector<Item> items;
        QString kind = QStringLiteral("text"); // "text", "document" or "image"
        QString title;                         // document or image title
    };
    struct Document {
        QVector<Page> pages;
        bool ended = false;
        int command = 0; // the user command it was printed in, counted from 1
    };

    RecordingPrinter(double pageWidth = 12240, double pageHeight = 15840);
    // Every character `charWidth` twips wide, every line `lineHeight` high.
    void useFixedMetrics(double charWidth, double lineHeight);

    double scaleWidth() const override { return m_width; }
    double scaleHeight() const override { return m_height; }
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("X")) const override;

    QVector<Document> documents;
    // The text items of one page without the blanks, for checks.
    QStringList words(int document, int page) const;

protected:
    void beginDocument() override;
    void drawText(double x, double y, const QString& text) override;
    void drawDocument(const QTextDocument& document, const QString& title) override;
    void drawImage(const QImage& image, const QString& title) override;
    void startNewPage() override;
    void finishDocument() override;

private:
    double m_width;
    double m_height;
    double m_charWidth = 0;
    double m_lineHeight = 0;
};

// Prints on the system's default printer, each document a print job of its
// own. Without a printer, everything one user command prints goes into one
// PDF file in a "Travisto Printouts" folder under the user's documents, and
// the user is told where it is once the command has ended. That file appears
// only once every byte of it is on the disk; otherwise the user is told it
// could not be saved, and why.
class SystemPrinter : public Printer {
public:
    SystemPrinter();
    ~SystemPrinter() override;
    // Prints to PDF files in `folder` instead of a printer.
    void setPdfFolder(const QString& folder);
    // Stands in for a printer: each print job is written as a file of its own
    // into `folder`, as a printer's queue would take it, and nothing is said.
    void setSpoolFolder(const QString& folder);
    QString lastPdfFile() const { return m_lastPdf; }
    void setTellUser(bool on) { m_tellUser = on; }

    double scaleWidth() const override;
    double scaleHeight() const override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("X")) const override;

protected:
    void beginDocument() override;
    void drawText(double x, double y, const QString& text) override;
    void drawDocument(const QTextDocument& document, const QString& title) override;
    void drawImage(const QImage& image, const QString& title) override;
    void startNewPage() override;
    void finishDocument() override;
    void commandEnded() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString m_lastPdf;
    bool m_tellUser = true;
};

} // namespace platform
