#pragma once

#include <QString>

#include <memory>
#include <vector>

// One reference list (the fuel grades or the unit systems) as a session read it from its file.
// Records are held by pointer so that cars and fill-ups can point at them for the whole session.
template <typename Record>
struct ReferenceList
{
    std::vector<std::unique_ptr<Record>> records;
    bool loaded = false;
    // Whether the file held exactly what the records hold; until it does, a write keeps the
    // file aside first.
    bool readInFull = false;
    // What went wrong when the file was last read or written; empty when nothing did.
    QString errorString;
};
