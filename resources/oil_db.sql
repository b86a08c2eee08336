-- The seed database: copied into a new data directory as oil_db.sqlite on first start.
-- It holds the two tables and no rows, so a fresh install begins with the setup wizard.
-- The application never alters this schema; an existing database is never replaced.

-- One row per car. Times are seconds since 1970-01-01 UTC.
CREATE TABLE car_information (
    car_id        TEXT PRIMARY KEY,   -- UUID made when the car is first saved
    car_name      TEXT,
    car_capacity  REAL,               -- engine displacement
    car_oil_spec,                     -- number of the default fuel grade: inserted as an integer,
                                      -- rewritten as a real; kept as written (no affinity)
    car_init_mile REAL,               -- odometer reading when the car entered the log
    register_date REAL,
    update_date   REAL,
    notes         TEXT,
    unit          INTEGER,            -- number of the unit system
    begin_date    REAL,
    end_date      REAL,
    maxvolumn     REAL,               -- fuel tank capacity
    thumbnail     BLOB                -- PNG bytes of the car's picture
);

-- One row per fill-up, in the units of its car's unit system.
CREATE TABLE oil_history (
    history_id  INTEGER PRIMARY KEY,  -- the row id, returned by sqlite3_last_insert_rowid
    car_id      TEXT,
    oil_money   REAL,                 -- total paid
    oil_price   REAL,                 -- price per volume unit
    oil_volumn  REAL,                 -- volume filled
    oil_spec    INTEGER,              -- number of the fuel grade filled
    oil_date    REAL,
    car_mileage REAL,                 -- odometer reading at the fill-up
    notes       TEXT,
    oil_month   INTEGER,              -- yyyyMM of oil_date in local time when written
    longitude   REAL,
    latitude    REAL,
    update_date REAL                  -- NULL until the fill-up is edited
);

-- Every query selects one car's fill-ups after the statistics start, ordered by date; the
-- month reports group and pick by month within that range. The amounts and the reading ride
-- along in both indexes, so the sums and month lines never visit the table itself.
CREATE INDEX oil_history_by_car_date
    ON oil_history (car_id, oil_date, oil_money, oil_volumn, car_mileage);
CREATE INDEX oil_history_by_car_month_date
    ON oil_history (car_id, oil_month, oil_date, oil_money, oil_volumn, car_mileage);

-- Planner statistics of a typical log (a few cars, a thousand fill-ups each, a few a month).
-- Without them SQLite cannot tell that a car and a date pick out one fill-up, and the latest
-- fill-up's lookup walks every fill-up of the period instead of going straight to it.
ANALYZE;
INSERT INTO sqlite_stat1 (tbl, idx, stat) VALUES
    ('oil_history', 'oil_history_by_car_date', '4000 1000 1 1 1 1'),
    ('oil_history', 'oil_history_by_car_month_date', '4000 1000 5 1 1 1 1');
