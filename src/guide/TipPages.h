#pragma once

#include "common/TipPageViewer.h"

#include <QVector>

namespace guide {

// The tip pages of the guide and the general information page: what each
// member of the TipPageViewer family shows.
const QVector<common::TipPageKind>& tipPageKinds();

} // namespace guide
