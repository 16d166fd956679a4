#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {
class Recordset;
}

namespace organiser {

// What a list window shows: the pane's text, the entries of its removal combo
// box, and the lists its formatting step hands to BoldText (markers from
// entry 1, entry 0 unused; names from entry 0, entry 0 empty). Both lists are
// empty for a list that is not formatted.
struct ListPage {
    QString text;
    QStringList items;
    QStringList markers;
    QStringList names;
};

// One line per entry, numbered from 1: "1.  first", "2.  second", each ended by CR LF.
ListPage numberedList(const QStringList& entries);

struct Contact {
    QString description;
    QString phone;
    QString notes;
};

// One line per contact: the marker "--", the description, four blanks, the
// telephone number and, when there are notes, five blanks and the notes in
// parentheses; each line ended by CR LF. Every line's marker and description
// are formatted.
ListPage contactList(const QVector<Contact>& contacts);

// The rows of a query as list entries: one column's text, Null giving "".
QStringList readColumn(platform::Recordset& rs, const QString& column);
QVector<Contact> readContacts(platform::Recordset& rs);

} // namespace organiser
