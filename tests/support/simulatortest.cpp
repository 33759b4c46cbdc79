#include "simulatortest.h"

#include <QTest>

bool SimulatorTest::startSim(const QStringList &arguments)
{
    m_sim = std::make_unique<FcsimProcess>(m_dir->path());
    return m_sim->start(arguments);
}

void SimulatorTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SimulatorTest::cleanup()
{
    m_sim.reset();
    m_dir.reset();
}
