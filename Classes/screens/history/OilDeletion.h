#pragma once

#include <QObject>

#include <functional>

class AlertView;
class Oil;

// Deleting a fill-up: asked first ("删除确认"), done after "确认", and said when the log
// refuses, in which case nothing changes.
class OilDeletion
{
public:
    // Shows the confirmation for that fill-up. deleted runs only after its row has left the
    // log, and only while context lives.
    static AlertView* ask(const Oil& oil, QObject* context, std::function<void()> deleted);
};
