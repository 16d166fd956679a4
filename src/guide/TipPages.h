#pragma once

#include "common/TipPageViewer.h"

#include <QVector>

namespace guide {

// The tip pages of the guide and the general information page: what each
// member of the TipPageViewer family shows.
const QVector<common::TipPageKind>& tipPageKinds();

// A label across the page's width (left 120, 9360 twips wide), as the tip
// pages and the tickets page lay out their titles and paragraphs.
common::TipPageKind::Label pageLabel(const QString& name, const QString& text, int top, int height, double points,
                                     bool bold);

// The usual File menu (Print, Close) and the Print and Close pictures at `top`
// near the page's right edge.
void addPrintAndClose(common::TipPageKind& kind, int top);

} // namespace guide
