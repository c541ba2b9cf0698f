// Holds the instance lock in a process of its own, for the lock tests. Prints "locked" once it
// holds the lock ("busy" when it cannot get it), then keeps it until stdin closes or it is
// killed.
#include <QCoreApplication>
#include <cstdio>

#include "platform/qtinstancelock.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lock_holder FOLDER NAME\n");
        return 2;
    }
    platform::QtInstanceLock lock(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    if (!lock.tryLock()) {
        std::puts("busy");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
