#include "linkundertest.h"

#include "fclink/model/uavparam.h"

#include <QCoreApplication>
#include <QTest>

#include <mutex>

LinkUnderTest::LinkUnderTest()
{
    QObject::connect(link, &Commrt::connectStateText, &window,
                     [this](quint16 state) { shownConnection = state; });
    link->start();
}

LinkUnderTest::~LinkUnderTest()
{
    link->stop();
    Commrt::destroyClass(link);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool LinkUnderTest::connectTo(const QString &port)
{
    link->setPortName(port);
    link->connectCom();
    return parameters.wait(kWaitMs) || parameters.count() > 0;
}

bool LinkUnderTest::waitForVerification(int before)
{
    return QTest::qWaitFor([&] { return verified.count() > before; }, 3 * kWaitMs);
}

bool LinkUnderTest::uploadAndVerify(const std::function<void()> &edit)
{
    {
        std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
        edit();
    }
    const int before = verified.count();
    link->setSubframeHead(1);
    return waitForVerification(before);
}
