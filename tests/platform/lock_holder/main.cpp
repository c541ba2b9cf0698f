// Holds the instance lock FOLDER NAME in a process of its own for the lock tests: prints
// "locked" and keeps the lock until stdin closes or it is killed, or prints "busy" and ends.
#include <cstdio>

#include "platform/qtinstancelock.h"

int main(int, char** argv)
{
    platform::QtInstanceLock lock(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const bool locked = lock.tryLock();
    std::puts(locked ? "locked" : "busy");
    std::fflush(stdout);
    while (locked && std::getchar() != EOF) {
    }
}
