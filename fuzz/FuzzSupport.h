#pragma once

#include <QDir>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "MessageBoxes.h"

// Message boxes that answer at once and keep nothing, so that millions of runs
// neither block nor grow.
class SilentMessageBoxes : public MessageBoxes
{
public:
    Answer Show(Kind, Buttons buttons, const QString&, const QString&, QPoint) override
    {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

// Makes a fresh folder in memory (or under /tmp) the program directory.
inline void EnterScratchDirectory()
{
    const char* base = QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/tavrel-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()) || !QDir::setCurrent(QString::fromStdString(pattern))) {
        std::perror("tavrel fuzz: no scratch directory");
        std::abort();
    }
}

// Stops the run with a message when an expectation about the result fails.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
