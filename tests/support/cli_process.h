// The built zr-t410-cli run in a process of its own, as a user runs it.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace zrt::testing_support {

inline QString cliPath() {
    QString dir = qEnvironmentVariable("ZRT_BUILD_DIR");
    if (dir.isEmpty()) dir = QCoreApplication::applicationDirPath();
    return QDir(dir).filePath(QStringLiteral("zr-t410-cli"));
}

struct CliRun {
    int code = -1;  // -1: it did not run, or it crashed
    QString out, err;
};

inline CliRun cli(const QStringList& args) {
    QProcess p;
    p.start(cliPath(), args);
    CliRun r;
    if (!p.waitForStarted() || !p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("did not run: ") + p.errorString();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

}  // namespace zrt::testing_support
