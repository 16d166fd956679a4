-- Tamble25.mdb: the traveller's contact list. The user enters every row,
-- so the table ships empty. No key and no order column: rows list in the
-- order the query returns them, and removal is by description (Contact).
CREATE TABLE Contacts (
    Contact       TEXT,
    ContactPhone  TEXT,
    ContactNotes  TEXT
);
