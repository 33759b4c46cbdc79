#ifndef TESTS_FUZZSUPPORT_H
#define TESTS_FUZZSUPPORT_H

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a check of what must hold that stops the run with the broken
// condition named (libFuzzer then keeps the input; the corpus replay names the file), a scratch
// folder of the process's own for targets whose reader takes a path, and quiet Qt logging (the
// readers log every refusal, which would drown the fuzzer's own output and slow it down).

[[noreturn]] void fuzzFailed(const char *condition, const char *file, int line);

#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : fuzzFailed(#condition, __FILE__, __LINE__))

// An empty folder, made on the first call and removed when the process ends.
QString fuzzScratchFolder();

// Writes bytes into a file, replacing it; stops the run when the scratch folder cannot be
// written (that is no finding about the input).
void writeScratchFile(const QString &path, const QByteArray &bytes);

// Drops Qt's debug, info and warning messages; critical and fatal ones still print.
void silenceQtMessages();

inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size));
}

#endif // TESTS_FUZZSUPPORT_H
