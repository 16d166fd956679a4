#pragma once

#include "platform/Forms.h"

#include <QTextBrowser>

class QAction;

namespace common {

class PictureButton;

// The browser pane: shows a local page (.htm) or picture (.gif) of the
// program's folder, read only, follows the page's links to its own anchors,
// and prints it at once without a dialog.
class WebBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // Shows `path`. A page or picture that is not there shows a short notice in the pane.
    void navigate(const QString& path);
    QString currentPath() const { return m_path; }
    bool pageFound() const { return m_found; }
    // Prints what the pane shows, titled with the page's file name; a picture
    // is printed on its own, scaled to the page width.
    void printPage();
    bool showsPicture() const;

private:
    // A link to a place of the page shown goes there; other links do nothing.
    void followLink(const QUrl& link);

    QString m_path;
    bool m_found = false;
};

// A window holding one browser pane on a file of the program's folder.
// The family's members differ only in what this table gives.
struct WebPageKind {
    QString formName;
    QString caption;
    QString file;          // relative to the program's folder
    int widthTwips = 9600; // client area
    int heightTwips = 7200;
    bool fileMenu = true;       // File > Print, File > Close
    bool closePicture = true;   // Picture9 closes the window
    bool returnsToMain = false; // closing goes back to the main window
    bool printPicture = false;  // Picture1 prints the page
    QString fileMenuName = QStringLiteral("mnuFile");
};

class WebPageViewer : public platform::Form {
    Q_OBJECT
public:
    explicit WebPageViewer(const WebPageKind& kind);

    void Form_Load() override;
    void closeAction() override;

protected:
    void mnuPrint_Click();
    void mnuClose_Click();

    WebBrowser* WebBrowser1 = nullptr;
    const WebPageKind m_kind;

private:
    void Picture1_Click();
    void Picture9_Click();

    PictureButton* Picture1 = nullptr;
    PictureButton* Picture9 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;
};

} // namespace common
