#ifndef TESTS_SIMULATORTEST_H
#define TESTS_SIMULATORTEST_H

#include "fcsimprocess.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The set-up the link suites share: each test function gets a temporary folder of its own, and
// a simulator started in it when the test asks. QtTest runs this class's init() and cleanup()
// around every test function of a suite derived from it.
class SimulatorTest : public QObject
{
    Q_OBJECT

protected:
    // Starts the simulator in the test's folder with the extra arguments.
    bool startSim(const QStringList &arguments = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FcsimProcess> m_sim;

    // A suite with set-up of its own calls these from its own init() and cleanup().
protected slots:
    void init();
    void cleanup();
};

#endif // TESTS_SIMULATORTEST_H
