#ifndef BLOCKACCESS_H
#define BLOCKACCESS_H

#include <QRandomGenerator>
#include <QVector>

// The shared parameter block as the tests see it: copied out and written in under its lock.
namespace blockaccess {

QVector<quint8> blockNow();
void setBlock(const QVector<quint8> &bytes);
// A block of random bytes, for checks that must hold whatever the block holds.
QVector<quint8> randomBlock(QRandomGenerator &random);

} // namespace blockaccess

#endif // BLOCKACCESS_H
