#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

// A fuel grade: its number (the value cars and fill-ups store), its name and the price per
// volume unit proposed for a fill-up of it. The grades form one shared, editable list, kept in
// OilSpec_Info.plist in the documents directory.
class OilInfo
{
public:
    unsigned dNumber = 1;
    QString specName;
    float defaultPrice = 5.7f;

    // Saves this grade by writing the whole list.
    bool update() const;

    // The default price with the user's precision.
    QString stringPrice() const;

    // Entries are held by pointer so that records can point at a grade for the whole run.
    using List = std::vector<std::unique_ptr<OilInfo>>;

    // The grade list, loaded once per session (Session) from the documents copy (seeded on first use). Empty
    // when the copy is missing, unreadable or not a grade list; a grade that cannot be read in
    // full keeps its place, numbered by it (listErrorString() says which).
    static List& OilInfoDList();

    // Replaces the documents copy with the whole list in its order, in one step; a copy that
    // was not read in full is first kept as OilSpec_Info.plist.damaged. False leaves the file as
    // it was (the edits stay in memory for the run); listErrorString() says why.
    static bool updateOilInfoDList();

    // The grade at that position; the first grade when the position is outside the list, and
    // nullptr when the list is empty.
    static OilInfo* infoAtPosition(qint64 position);

    // What went wrong with the list's file when it was last read or written; empty when nothing.
    static QString listErrorString();
};
