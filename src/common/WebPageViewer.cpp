#include "common/WebPageViewer.h"

#include "common/PictureButton.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QFileInfo>
#include <QImage>
#include <QMenuBar>
#include <QUrl>

namespace common {

WebBrowser::WebBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Links are handled here, not by the pane: it would load any file named
    // in place of the page.
    setOpenLinks(false);
    setReadOnly(true);
    connect(this, &QTextBrowser::anchorClicked, this, &WebBrowser::followLink);
}

void WebBrowser::followLink(const QUrl& link) {
    if (!link.hasFragment() || link.fragment().isEmpty())
        return;
    const QUrl target = QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath()).resolved(link);
    if (target.isLocalFile() && QFileInfo(target.toLocalFile()) == QFileInfo(m_path))
        scrollToAnchor(link.fragment());
}

void WebBrowser::navigate(const QString& path) {
    m_path = path;
    const QFileInfo info(path);
    m_found = info.exists();
    if (!m_found) {
        setHtml(QStringLiteral("<p>The page <b>%1</b> could not be found in the program's folder.</p>")
                    .arg(info.fileName().toHtmlEscaped()));
        return;
    }
    if (showsPicture()) {
        setSearchPaths({info.absolutePath()});
        setHtml(QStringLiteral("<img src=\"%1\">").arg(QUrl::fromLocalFile(info.absoluteFilePath()).toString()));
    } else {
        setSearchPaths({info.absolutePath()});
        setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    }
}

bool WebBrowser::showsPicture() const {
    const QString suffix = QFileInfo(m_path).suffix().toLower();
    return m_found &&
           (suffix == QLatin1String("gif") || suffix == QLatin1String("png") || suffix == QLatin1String("jpg"));
}

void WebBrowser::printPage() {
    const QString title = QFileInfo(m_path).fileName();
    if (showsPicture()) {
        // A map is wider than the printable part of a page laid out as text.
        const QImage image(m_path);
        if (!image.isNull()) {
            platform::Printer::instance().printImage(image, title);
            return;
        }
    }
    platform::Printer::instance().printDocument(*document(), title);
}

WebPageViewer::WebPageViewer(const WebPageKind& kind) : platform::Form(kind.formName), m_kind(kind) {
    setWindowTitle(kind.caption);
    setClientSizeTwips(kind.widthTwips, kind.heightTwips);
    WebBrowser1 = new WebBrowser(client());
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    const int bottom = kind.closePicture || kind.printPicture ? 600 : 0;
    platform::placeTwips(WebBrowser1, 0, 0, kind.widthTwips, kind.heightTwips - bottom);
    if (kind.printPicture) {
        Picture1 = PictureButton::create(client(), QStringLiteral("Picture1"), QStringLiteral("Print"),
                                         kind.widthTwips - 2880, kind.heightTwips - 510, 1230, 390);
        connect(Picture1, &PictureButton::clicked, this, &WebPageViewer::Picture1_Click);
    }
    if (kind.closePicture) {
        Picture9 = PictureButton::create(client(), QStringLiteral("Picture9"), QStringLiteral("Close"),
                                         kind.widthTwips - 1500, kind.heightTwips - 510, 1230, 390);
        connect(Picture9, &PictureButton::clicked, this, &WebPageViewer::Picture9_Click);
    }
    if (kind.fileMenu) {
        QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("File"));
        mnuFile->setObjectName(kind.fileMenuName);
        mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
        mnuClose = addNamedItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("Close"));
        connect(mnuPrint, &QAction::triggered, this, &WebPageViewer::mnuPrint_Click);
        connect(mnuClose, &QAction::triggered, this, &WebPageViewer::mnuClose_Click);
    }
}

void WebPageViewer::Form_Load() {
    WebBrowser1->navigate(platform::App::file(m_kind.file));
}

void WebPageViewer::closeAction() {
    mnuClose_Click();
}

void WebPageViewer::mnuPrint_Click() {
    WebBrowser1->printPage();
}

void WebPageViewer::Picture1_Click() {
    mnuPrint_Click();
}

void WebPageViewer::Picture9_Click() {
    mnuClose_Click();
}

void WebPageViewer::mnuClose_Click() {
    if (m_kind.returnsToMain)
        platform::Forms::returnToMainWindow(objectName());
    else
        platform::Forms::unload(objectName());
}

} // namespace common
