#pragma once

#include "platform/Forms.h"

#include <QColor>
#include <QString>
#include <QVector>
#include <optional>

class QAction;
class QLabel;
class QScrollBar;

namespace common {

class PictureButton;
class RichTextBox;

// A page of tips: labels over a read-only rich-text pane that one query fills
// when the window loads, one paragraph per record introduced by the page's
// marker, each marked paragraph bulleted with its marker whitened. A page may
// also consist of labels only. The family's members differ only in this table.
struct TipPageKind {
    struct Label {
        QString name;
        QString stored; // the text the layout gives it
        QString loaded; // set by Load when not null
        int left = 0, top = 0, width = 0, height = 0;
        double points = 9.75;
        bool bold = true;
        QString linkTarget;   // a form name: the label opens that window when it exists
        bool printed = false; // part of the printed text of a page without pane
    };
    enum class Action { Print, Close, Home };
    struct Command {
        QString name;
        QString caption;
        Action action = Action::Close;
        bool picture = true; // a picture button; otherwise a push button
        int left = 0, top = 0, width = 1230, height = 390;
    };

    QString formName;
    QString caption;
    int widthTwips = 9600;
    int heightTwips = 7200;
    QColor backColor{224, 224, 224};
    QColor labelInk{0, 0, 0};
    QVector<Label> labels;

    QString paneName; // empty: the page has no pane
    QString sql;      // the page's query; each row's Tip makes a paragraph
    QString marker;   // introduces each paragraph
    bool whitePane = false;
    bool extraLineEnd = false; // one more line end after the last paragraph
    int paneLeft = 120, paneTop = 1200, paneWidth = 9360, paneHeight = 5160;

    QString printHeader;
    QVector<Command> menu;         // the items of the File menu
    QVector<Command> commands;     // buttons on the page
    bool decorativePicture = true; // Picture2, a picture without behaviour
    bool scrollBar = false;        // VScroll1, a scroll bar without behaviour
};

class TipPageViewer : public platform::Form {
    Q_OBJECT
public:
    explicit TipPageViewer(const TipPageKind& kind);

    void Form_Load() override;

    void printPage();
    void closePage();
    void returnHome();

    // The text a pane shows for these tips, and where each marker stands in it.
    struct PaneText {
        QString text;
        QVector<int> markerPositions;
    };
    static PaneText composePane(const QStringList& tips, const QString& marker, bool extraLineEnd = false);

    const TipPageKind& kind() const { return m_kind; }
    RichTextBox* pane() const { return m_pane; }
    QLabel* label(const QString& name) const;
    // The text printed for this page.
    QString printText() const;

private:
    void run(TipPageKind::Action action);

    const TipPageKind m_kind;
    RichTextBox* m_pane = nullptr;
    QVector<QLabel*> m_labels;
};

} // namespace common
