#pragma once

#include "common/PanePage.h"

#include <QColor>
#include <QString>
#include <QVector>

class QLabel;

namespace common {

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
        QString font = QStringLiteral("MS Sans Serif");
        double points = 9.75;
        bool bold = true;
        QString linkTarget;   // a form name: the label opens that window when it exists
        bool printed = false; // part of the printed text of a page without pane
    };

    // The family's usual window: grey, 9600 x 7200 twips, the pane in MS Sans
    // Serif 9.75 point below the labels.
    static PanePageFrame usualFrame();

    PanePageFrame page = usualFrame();
    QColor labelInk{0, 0, 0};
    QVector<Label> labels;
    QString sql;                   // the page's query; each row's Tip makes a paragraph
    QString marker;                // introduces each paragraph
    bool extraLineEnd = false;     // one more line end after the last paragraph
    bool decorativePicture = true; // Picture2, a picture without behaviour
};

class TipPageViewer : public PanePage {
    Q_OBJECT
public:
    explicit TipPageViewer(TipPageKind kind);

    void Form_Load() override;

    // The text a pane shows for these tips, and where each marker stands in it.
    struct PaneText {
        QString text;
        QVector<int> markerPositions;
    };
    static PaneText composePane(const QStringList& tips, const QString& marker, bool extraLineEnd = false);

protected:
    void fillPage(platform::Database& db) override;
    // A page without pane prints its paragraphs.
    QString printText() const override;

private:
    const TipPageKind m_kind;
    QVector<QLabel*> m_labels;
};

} // namespace common
