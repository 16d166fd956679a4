#include "organiser/ListText.h"

#include "platform/Database.h"

namespace organiser {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

ListPage numberedList(const QStringList& entries) {
    ListPage page;
    page.items = entries;
    int n = 1;
    for (const QString& entry : entries)
        page.text += QString::number(n++) + QStringLiteral(".  ") + entry + kCrLf;
    return page;
}

ListPage contactList(const QVector<Contact>& contacts) {
    ListPage page;
    page.markers << QString();
    page.names << QString();
    for (const Contact& c : contacts) {
        page.text += QStringLiteral("--") + c.description + QStringLiteral("    ") + c.phone;
        if (!c.notes.isEmpty())
            page.text += QStringLiteral("     (") + c.notes + QLatin1Char(')');
        page.text += kCrLf;
        page.items << c.description;
        page.markers << QStringLiteral("--");
        page.names << c.description;
    }
    return page;
}

QStringList readColumn(platform::Recordset& rs, const QString& column) {
    QStringList texts;
    for (; !rs.eof(); rs.moveNext())
        texts << rs.text(column);
    return texts;
}

QVector<Contact> readContacts(platform::Recordset& rs) {
    QVector<Contact> contacts;
    for (; !rs.eof(); rs.moveNext())
        contacts.push_back({rs.text(QStringLiteral("Contact")), rs.text(QStringLiteral("ContactPhone")),
                            rs.text(QStringLiteral("ContactNotes"))});
    return contacts;
}

} // namespace organiser
