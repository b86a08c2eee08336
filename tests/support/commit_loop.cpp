// Another program writing to a fuel log, as a second window, a sync tool or a command would:
// commit_loop DATABASE loop   commits a fill-up of the car 'WRITER' every 50 ms, holding the
//                             database locked for 30 ms of them;
// commit_loop DATABASE hold   locks the database once and keeps it locked.
// Prints "locked" once it first holds the lock, and runs until it is killed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sqlite3.h>
#include <thread>

namespace {

void exec(sqlite3* database, const char* sql)
{
    if (sqlite3_exec(database, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "commit_loop: %s: %s\n", sql, sqlite3_errmsg(database));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: commit_loop DATABASE loop|hold\n");
        return 2;
    }
    const bool hold = std::strcmp(argv[2], "hold") == 0;
    sqlite3* database = nullptr;
    if (sqlite3_open_v2(argv[1], &database, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return 1;
    sqlite3_busy_timeout(database, 10000);
    for (bool announced = false;; announced = true) {
        exec(database, "begin exclusive");
        exec(database, "insert into oil_history (car_id, oil_date, oil_month) values ('WRITER', 0, 0)");
        if (!announced) {
            std::printf("locked\n");
            std::fflush(stdout);
        }
        while (hold)
            std::this_thread::sleep_for(std::chrono::hours(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        exec(database, "commit");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
