#pragma once

#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/ReferenceList.h"
#include "store/Setting.h"
#include "store/Unit.h"

#include <QString>

#include <memory>
#include <mutex>
#include <optional>

// Everything the app keeps while it works on one data directory: the directory itself, the car
// manager with its cars and current car, the grade and unit lists, the currency symbol and where
// the statistics period takes its default start from. The class operations the rest of the
// code knows (CarManage::sharedCarManage, OilInfo::OilInfoDList, Unit::UnitList,
// Utility::getCurrencySybol, DocumentsDirectory::path, ...) read from the current session.
//
// It exists so that this state has one owner and a lifetime one can see: main() opens a session
// for the app and the command line one for each command, each test one for its data directory;
// all of it is built on first use within the session and goes when the session ends, so nothing
// of one data directory leaks into the next. Sessions nest: a command run inside a test has its
// own, and the test's is current again when the command's ends. Main thread only.
//
// "Now" is not part of it: there is one clock for the process (Clock), so that a moment pinned
// by a test holds for every session the test opens.
class Session
{
public:
    // A session over the data directory at that path, or over the default one (PUMPORA_DATA_DIR,
    // else the platform's application data folder) when the path is empty. Nothing is read or
    // created yet. It is the current session until it ends.
    explicit Session(const QString& dataDirectory = QString());
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The innermost session still open. Asking with none open is a program error.
    static Session& current();

    QString dataDirectory() const { return m_dataDirectory; }

    // Made on first use, under a lock as the one car manager must be.
    CarManage& carManage();

    // The lists as read in this session; OilInfo and Unit load them on first use.
    ReferenceList<OilInfo>& grades() { return m_grades; }
    ReferenceList<Unit>& units() { return m_units; }

    // The device locale's currency symbol, established on first use for the whole session.
    QString currencySymbol();

    Setting::StartDateDefault& startDateDefault() { return m_startDateDefault; }
    Setting::Snapshot& preferences() { return m_preferences; }

private:
    Session* m_enclosing;
    QString m_dataDirectory;
    std::optional<QString> m_currencySymbol;
    Setting::StartDateDefault m_startDateDefault;
    Setting::Snapshot m_preferences;
    // Cars point into the lists, so the lists are declared first and outlive them.
    ReferenceList<OilInfo> m_grades;
    ReferenceList<Unit> m_units;
    std::mutex m_carManageCreation;
    std::unique_ptr<CarManage> m_carManage;
};
