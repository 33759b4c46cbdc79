#ifndef TESTS_SIGNALARGUMENTS_H
#define TESTS_SIGNALARGUMENTS_H

// Reading what a QSignalSpy recorded: the sequence of one argument over all emissions, and the
// argument of the last emission.
#include <QList>
#include <QSignalSpy>
#include <QVariant>

template <typename T> QList<T> argumentSequence(const QSignalSpy &spy, int argument = 0)
{
    QList<T> sequence;
    for (const QList<QVariant> &arguments : spy)
        sequence << arguments.at(argument).value<T>();
    return sequence;
}

// T's default value while nothing was emitted, so that QTRY_COMPARE can wait on it.
template <typename T> T lastArgument(const QSignalSpy &spy, int argument = 0)
{
    return spy.isEmpty() ? T() : spy.last().at(argument).value<T>();
}

#endif // TESTS_SIGNALARGUMENTS_H
