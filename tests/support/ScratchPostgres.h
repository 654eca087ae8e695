// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/ServerAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <pwd.h>
#include <unistd.h>

// A PostgreSQL server of its own for a test or a benchmark: initdb in a
// temporary folder, listening on the loopback only, a superuser "cifrolo"
// with a password and an empty database "cifrolo". PostgreSQL refuses to run
// as root, so under root it runs as "nobody".
class ScratchPostgres {
public:
    static constexpr const char* Password = "clave de prueba";

    ~ScratchPostgres() { Stop(); }

    // The folder of initdb, pg_ctl and createdb, empty when not installed.
    static QString Binaries()
    {
        QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
        if (initdb.isEmpty()) {
            const QStringList versions =
                QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
            for (const QString& v : versions)
                if (QFileInfo::exists(QStringLiteral("/usr/lib/postgresql/%1/bin/initdb").arg(v)))
                    initdb = QStringLiteral("/usr/lib/postgresql/%1/bin/initdb").arg(v);
        }
        return initdb.isEmpty() ? QString() : QFileInfo(QFileInfo(initdb).canonicalFilePath()).absolutePath();
    }

    bool Start(QString* problem, bool durable = false)
    {
        bin_ = Binaries();
        if (bin_.isEmpty())
            return Fail(problem, QStringLiteral("initdb is not installed"));
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/cifrolo-pg-XXXXXX"));
        if (!dir_->isValid())
            return Fail(problem, QStringLiteral("no temporary folder"));
        durable_ = durable;
        const QString pwfile = dir_->filePath(QStringLiteral("pw"));
        QFile pw(pwfile);
        if (!pw.open(QIODevice::WriteOnly) || pw.write(Password) < 0)
            return Fail(problem, QStringLiteral("cannot write the password file"));
        pw.close();
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || chown(QFile::encodeName(dir_->path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                chown(QFile::encodeName(pwfile).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
                return Fail(problem, QStringLiteral("cannot give the folder to nobody"));
        }
        if (!Run(QStringLiteral("initdb"),
                 {QStringLiteral("-D"), Data(), QStringLiteral("-U"), QStringLiteral("cifrolo"),
                  QStringLiteral("--pwfile=") + pwfile, QStringLiteral("--auth=scram-sha-256"),
                  QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
                  QStringLiteral("--no-sync")},
                 problem))
            return false;
        for (int attempt = 0; attempt < 20; ++attempt) {
            port_ = 20000 + int((QCoreApplication::applicationPid() * 7 + attempt * 101) % 30000);
            if (Resume(nullptr))
                break;
            port_ = 0;
        }
        if (!port_)
            return Fail(problem, QStringLiteral("the server did not start: ") + Log());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGPASSWORD"), QString::fromLatin1(Password));
        return Run(QStringLiteral("createdb"),
                   {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(port_),
                    QStringLiteral("-U"), QStringLiteral("cifrolo"), QStringLiteral("cifrolo")},
                   problem, env);
    }

    // Stops the server (fast: open connections are cut) and starts it again.
    bool Stop()
    {
        if (!running_)
            return true;
        running_ = false;
        return Run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), Data(), QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("-w"),
                    QStringLiteral("stop")},
                   nullptr);
    }

    bool Resume(QString* problem)
    {
        QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c max_connections=100")
                              .arg(port_)
                              .arg(dir_->path());
        if (!durable_)
            options += QStringLiteral(" -c fsync=off -c synchronous_commit=off");
        running_ = Run(QStringLiteral("pg_ctl"),
                       {QStringLiteral("-D"), Data(), QStringLiteral("-l"), dir_->filePath(QStringLiteral("log")),
                        QStringLiteral("-w"), QStringLiteral("-o"), options, QStringLiteral("start")},
                       problem);
        return running_;
    }

    ServerAddress::Address Address(const QString& password = QString::fromLatin1(Password)) const
    {
        ServerAddress::Address a;
        a.user = QStringLiteral("cifrolo");
        a.password = password;
        a.host = QStringLiteral("127.0.0.1");
        a.port = port_;
        a.options.emplace_back(QStringLiteral("connect_timeout"), QStringLiteral("2"));
        return a;
    }

    QString Log() const
    {
        QFile f(dir_ ? dir_->filePath(QStringLiteral("log")) : QString());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(2000)) : QString();
    }

private:
    QString Data() const { return dir_->filePath(QStringLiteral("data")); }

    static bool Fail(QString* problem, const QString& why)
    {
        if (problem)
            *problem = why;
        return false;
    }

    bool Run(const QString& tool, QStringList args, QString* problem,
             const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        QString program = bin_ + QLatin1Char('/') + tool;
        if (geteuid() == 0) {
            args = QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), program} + args;
            program = QStringLiteral("runuser");
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir_->path());
        p.start(program, args);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return Fail(problem, tool + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAllStandardError()));
        return true;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString bin_;
    int port_ = 0;
    bool running_ = false;
    bool durable_ = false;
};
