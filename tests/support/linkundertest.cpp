#include "linkundertest.h"

#include "fclink/model/uavparam.h"
#include "signalarguments.h"

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

namespace {

template <typename T> QList<T> lastOf(const QList<T> &list, int count)
{
    return count <= list.size() ? list.mid(list.size() - count) : list;
}

} // namespace

bool LinkUnderTest::typedSignalsMatchCodes(QString *why) const
{
    QList<bool> connections;
    for (int code : argumentSequence<int>(connectState))
        connections << (code == 1);
    QList<int> reported;
    for (int code : argumentSequence<int>(status)) {
        if (code >= fclink::status::ParametersUploaded)
            reported << code;
    }
    QList<int> typedOutcomes;
    for (fclink::LinkOutcome outcome : argumentSequence<fclink::LinkOutcome>(outcomes))
        typedOutcomes << int(fclink::statusCode(outcome));
    const QList<bool> typedConnections = argumentSequence<bool>(connection);
    if (lastOf(typedConnections, connections.size()) != connections) {
        *why = QStringLiteral("connectionChanged %1 times for %2 connection-state codes")
                   .arg(typedConnections.size())
                   .arg(connections.size());
        return false;
    }
    if (lastOf(typedOutcomes, reported.size()) != reported) {
        *why = QStringLiteral("outcomes reported do not follow the status codes");
        return false;
    }
    return true;
}
