#pragma once

// The per-user runtime folder that XDG_RUNTIME_DIR names. A login session sets it; a plain
// environment (root in a container, a cron job, ssh without a session) does not, and then Qt
// prints a warning at every start, because it looks there for a sandbox marker before any code
// of ours runs. Choosing the fallback Qt would choose, before Qt starts, keeps stderr for the
// program's own messages.
class RuntimeDirectory
{
public:
    // Names a private folder in XDG_RUNTIME_DIR when it is unset: the temporary folder's
    // "runtime-USER", created with mode 0700 when missing. A folder of that name that belongs to
    // another user is left alone (XDG_RUNTIME_DIR stays unset, and Qt says why). Call it before
    // the application object is made.
    static void ensureSet();
};
