-- VividodovUser.mdb: the traveller's own records.
-- The database ships empty; every row is written by the program.
-- Whole numbers and flags are INTEGER, free texts are TEXT.

-- Day-by-day schedules: one row per day of each numbered schedule (1..100).
-- Columns are in the order the planner's INSERT names them.
CREATE TABLE Schedule (
    ScheduleNum     INTEGER NOT NULL,
    DayNum          INTEGER NOT NULL,
    Morning         TEXT DEFAULT '',
    MorningPark     TEXT DEFAULT '',
    Afternoon       TEXT DEFAULT '',
    AfternoonPark   TEXT DEFAULT '',
    Evening         TEXT DEFAULT '',
    EveningPark     TEXT DEFAULT '',
    MorningRide1    TEXT DEFAULT '',
    MorningRide2    TEXT DEFAULT '',
    MorningRide3    TEXT DEFAULT '',
    MorningRide4    TEXT DEFAULT '',
    MorningRide5    TEXT DEFAULT '',
    AfternoonRide1  TEXT DEFAULT '',
    AfternoonRide2  TEXT DEFAULT '',
    AfternoonRide3  TEXT DEFAULT '',
    AfternoonRide4  TEXT DEFAULT '',
    AfternoonRide5  TEXT DEFAULT '',
    EveningRide1    TEXT DEFAULT '',
    EveningRide2    TEXT DEFAULT '',
    EveningRide3    TEXT DEFAULT '',
    EveningRide4    TEXT DEFAULT '',
    EveningRide5    TEXT DEFAULT '',
    Reservation1    TEXT DEFAULT '',
    Time1           TEXT DEFAULT '',
    Confirmation1   TEXT DEFAULT '',
    Reservation2    TEXT DEFAULT '',
    Time2           TEXT DEFAULT '',
    Confirmation2   TEXT DEFAULT '',
    Reservation3    TEXT DEFAULT '',
    Time3           TEXT DEFAULT '',
    Confirmation3   TEXT DEFAULT '',
    PRIMARY KEY (ScheduleNum, DayNum)
);

-- Flight and hotel reservation record plus the checklist flags.
-- At most one row; the reservation window's first save creates it.
-- The twelve texts are kept exactly as typed; chk1..chk10 are 1 when the
-- checklist step is done, 0 otherwise (0 also for a freshly inserted row).
CREATE TABLE ArriveInfo (
    Confirmation      TEXT,
    Hotel             TEXT,
    HotelPhone        TEXT,
    CheckIn           TEXT,
    CheckOut          TEXT,
    ToFlightNumber    TEXT,
    ToFlightDepart    TEXT,
    ToFlightArrive    TEXT,
    HomeFlightNumber  TEXT,
    HomeFlightDepart  TEXT,
    HomeFlightArrive  TEXT,
    AirlinePhone      TEXT,
    chk1   INTEGER DEFAULT 0,
    chk2   INTEGER DEFAULT 0,
    chk3   INTEGER DEFAULT 0,
    chk4   INTEGER DEFAULT 0,
    chk5   INTEGER DEFAULT 0,
    chk6   INTEGER DEFAULT 0,
    chk7   INTEGER DEFAULT 0,
    chk8   INTEGER DEFAULT 0,
    chk9   INTEGER DEFAULT 0,
    chk10  INTEGER DEFAULT 0
);

-- Trip budget inputs: at most one row. Each value is the text of its box as
-- the user left it ("2.5", "1,200", "$300" ...) and is read back unchanged,
-- so the columns are TEXT; the amounts are recomputed on screen, never stored.
CREATE TABLE Budget (
    Adults       TEXT,
    Kids         TEXT,
    Nights       TEXT,
    Days         TEXT,
    AirfareCost  TEXT,
    AdultsFood   TEXT,
    KidsFood     TEXT,
    HotelCost    TEXT,
    Souvenier    TEXT,
    CarRental    TEXT,
    AdultPark    TEXT,
    KidsPark     TEXT
);

-- Trip journal: one row per day of each trip (1..100).
-- TSD is the day's date as 'YYYY-MM-DD'. Park1..Park8 are check-box values
-- (0 or 1): Magic Kingdom, Epcot, MGM Studios, Animal Kingdom,
-- Downtown Disney, Typhoon Lagoon, Blizzard Beach, the place in Park8Name.
CREATE TABLE Details (
    TripNum    INTEGER NOT NULL,
    TSD        TEXT,
    DayNum     INTEGER NOT NULL,
    Details    TEXT,
    Favorites  TEXT,
    Different  TEXT,
    Park1      INTEGER DEFAULT 0,
    Park2      INTEGER DEFAULT 0,
    Park3      INTEGER DEFAULT 0,
    Park4      INTEGER DEFAULT 0,
    Park5      INTEGER DEFAULT 0,
    Park6      INTEGER DEFAULT 0,
    Park7      INTEGER DEFAULT 0,
    Park8      INTEGER DEFAULT 0,
    Park8Name  TEXT DEFAULT 'Other',
    PRIMARY KEY (TripNum, DayNum)
);

-- The user's own tips and notes. No key: the same text may appear twice and
-- a removal deletes every row holding it.
CREATE TABLE UserTips (
    Tip  TEXT
);

-- Things not to forget. OrderId is filled by the database on insert and
-- grows with every new row, so "Order by OrderId" gives insertion order.
CREATE TABLE DontForget (
    Item     TEXT,
    OrderId  INTEGER PRIMARY KEY AUTOINCREMENT
);
