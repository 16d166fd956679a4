#pragma once

#include "common/PanePage.h"
#include "guide/PaneSpans.h"

#include <QColor>
#include <QStringList>
#include <QVector>
#include <optional>

namespace platform {
class Database;
}

namespace guide {

// What differs between the four parks' attraction guides.
struct AttractionGuideKind {
    QString formName;
    QString title; // window caption, title label and print header
    int parkId = 0;
    // Land headings: with lands numbered 1, 2, 3 ... entry n - 1 heads the
    // attractions of land n (composeGuide tells the whole rule). Without
    // headings the guide lists its attractions by name.
    QStringList headings;
    std::optional<QColor> nameColor; // the attraction names' colour, when not the pane's own
    bool linksOpenOnPress = false;   // the links act when the button goes down, not on the click
    QString pictureCaption;          // lettering of the decoration picture
};

const QVector<AttractionGuideKind>& attractionGuideKinds();

// One attraction as the guide reads it.
struct GuideRow {
    QString attraction;
    QString description;
    int land = 0; // 0 when the row has no land
};

// The guide's text (paragraphs separated by line feeds) and the places of the
// attraction names and of the land headings in it.
struct GuidePage {
    QString text;
    QVector<TextSpan> names;
    QVector<TextSpan> headings;
};

// The rows of the guide's park in the order the guide shows them.
QVector<GuideRow> readGuideRows(const AttractionGuideKind& kind, platform::Database& content);

// Composes the guide: each attraction as "  NAME - Description" followed by an
// empty line; with headings, each run of one land is introduced by a heading
// and an empty line. The heading is the table entry at the land of the run
// before (entry 0 for the first run), or the heading before when that land
// lies outside the table; every row of land 0 is a run of its own.
GuidePage composeGuide(const AttractionGuideKind& kind, const QVector<GuideRow>& rows);

// The window of the family: a title, one read-only pane with the park's
// attractions, links to the Fastpass and ticket pages, Print and Close.
class AttractionGuide : public common::PanePage {
    Q_OBJECT
public:
    explicit AttractionGuide(AttractionGuideKind kind);

protected:
    void fillPage(platform::Database& content) override;

private:
    void Label2_Click();
    void Label3_Click();

    const AttractionGuideKind m_kind;
};

} // namespace guide
