#include "common/LongRuns.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>

namespace common {

namespace {

bool holdsLongRun(const QString& text) {
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWordWrappedRun)
            return true;
    }
    return false;
}

// Whether any block from `first` to `last` (inclusive) holds a long run.
bool blocksHoldLongRun(QTextBlock first, const QTextBlock& last) {
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (holdsLongRun(b.text()))
            return true;
        if (b == last)
            break;
    }
    return false;
}

// Watches a box's document and switches its wrap mode.
class LongRunWatch : public QObject {
public:
    LongRunWatch(QWidget* box, QTextDocument* document, std::function<void(QTextOption::WrapMode)> setMode)
        : QObject(box), m_document(document), m_setMode(std::move(setMode)) {
        connect(document, &QTextDocument::contentsChange, this, &LongRunWatch::changed);
    }

private:
    void changed(int position, int, int added) {
        bool longRun;
        if (m_anywhere) {
            // Any change may have broken up or removed the long run.
            longRun = blocksHoldLongRun(m_document->begin(), m_document->lastBlock());
        } else {
            // Only the changed blocks can have gained one.
            longRun = blocksHoldLongRun(m_document->findBlock(position), m_document->findBlock(position + added));
        }
        if (longRun == m_anywhere)
            return;
        m_anywhere = longRun;
        m_setMode(longRun ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    QTextDocument* m_document;
    std::function<void(QTextOption::WrapMode)> m_setMode;
    bool m_anywhere = false;
};

} // namespace

void keepLongRunsFast(QPlainTextEdit* box) {
    new LongRunWatch(box, box->document(), [box](QTextOption::WrapMode mode) { box->setWordWrapMode(mode); });
}

void keepLongRunsFast(QTextEdit* box) {
    new LongRunWatch(box, box->document(), [box](QTextOption::WrapMode mode) { box->setWordWrapMode(mode); });
}

} // namespace common
