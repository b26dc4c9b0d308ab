-- OrvFile.dll: meaning texts of the numbers 0 to 80.
CREATE TABLE namefx (
    num TEXT NOT NULL PRIMARY KEY, -- the number in decimal
    nr  TEXT NOT NULL              -- its meaning
);
