-- The trip profile: at most one row, written by the preferences wizard.
-- Every answer is the position of the chosen item in its list, -1 for none.
CREATE TABLE TravelInfo (
    TripDate TEXT,
    Adults INTEGER,
    Kids INTEGER,
    Daredevel INTEGER,
    Lodging INTEGER,
    Wet INTEGER,
    Show INTEGER,
    DaysOfTrip INTEGER DEFAULT 7
);

-- The tips of the day; the least shown is shown next.
CREATE TABLE tblHomeTips (
    intId INTEGER PRIMARY KEY,
    Tip TEXT,
    Counter INTEGER NOT NULL DEFAULT 0
);
