// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/ServerAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>
#include <QtGlobal>
#include <cctype>

namespace ServerAddress {
namespace {

const QString SettingKey = QStringLiteral("historial/servidor");
const QString EnvironmentName = QStringLiteral("CIFROLO_HISTORIAL");

// Options the client library understands that make sense in this URI. The
// parts of the address itself (host, user ...) have their own place in it.
bool KnownOption(const QString& key)
{
    static const QStringList known = {
        QStringLiteral("sslmode"),          QStringLiteral("connect_timeout"),
        QStringLiteral("sslrootcert"),      QStringLiteral("sslcert"),
        QStringLiteral("sslkey"),           QStringLiteral("sslcrl"),
        QStringLiteral("application_name"), QStringLiteral("keepalives"),
        QStringLiteral("keepalives_idle"),  QStringLiteral("keepalives_interval"),
        QStringLiteral("keepalives_count"), QStringLiteral("tcp_user_timeout"),
        QStringLiteral("target_session_attrs"),
    };
    return known.contains(key);
}

bool NumericOption(const QString& key)
{
    return key == QLatin1String("connect_timeout") || key.startsWith(QLatin1String("keepalives")) ||
           key == QLatin1String("tcp_user_timeout");
}

bool Fail(QString* problem, const QString& why)
{
    if (problem)
        *problem = QStringLiteral("La dirección del servidor del historial no vale: ") + why;
    return false;
}

// Strict percent-decoding: a '%' not followed by two hex digits, bytes that
// are no UTF-8, and control characters are refused.
bool Decode(const QString& text, QString* out)
{
    QByteArray bytes;
    const QByteArray raw = text.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '%') {
            bytes.append(c);
            continue;
        }
        if (i + 2 >= raw.size() || !isxdigit(static_cast<unsigned char>(raw[i + 1])) ||
            !isxdigit(static_cast<unsigned char>(raw[i + 2])))
            return false;
        const int value = raw.mid(i + 1, 2).toInt(nullptr, 16);
        bytes.append(static_cast<char>(value));
        i += 2;
    }
    const QString decoded = QString::fromUtf8(bytes);
    if (decoded.toUtf8() != bytes)
        return false;
    for (const QChar ch : decoded)
        if (ch.category() == QChar::Other_Control)
            return false;
    *out = decoded;
    return true;
}

// An IPv6 address, perhaps with a zone ("fe80::1%eth0").
bool ValidIpv6(const QString& host)
{
    const QString address = host.section(QLatin1Char('%'), 0, 0);
    if (!address.contains(QLatin1Char(':')))
        return false;
    for (const QChar ch : address)
        if (!(ch.isDigit() || (ch.toLower() >= QLatin1Char('a') && ch.toLower() <= QLatin1Char('f')) ||
              ch == QLatin1Char(':') || ch == QLatin1Char('.')))
            return false;
    return true;
}

QString Quote(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

}  // namespace

std::optional<Address> Parse(const QString& uri, QString* problem)
{
    const auto fail = [&](const QString& reason) -> std::optional<Address> {
        Fail(problem, reason);
        return std::nullopt;
    };
    const QString text = uri.trimmed();
    QString rest;
    for (const char* scheme : {"postgresql://", "postgres://"})
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            rest = text.mid(qsizetype(qstrlen(scheme)));
    if (rest.isNull())
        return fail(QStringLiteral("debe empezar por «postgresql://»."));
    if (rest.contains(QLatin1Char('#')) && rest.lastIndexOf(QLatin1Char('@')) < rest.indexOf(QLatin1Char('#')))
        return fail(QStringLiteral("no puede llevar «#» fuera de la clave."));
    for (const QChar ch : rest)
        if (ch.isSpace() || ch.category() == QChar::Other_Control)
            return fail(QStringLiteral("no puede llevar espacios; escríbalos como %20."));

    Address address;
    // The user part ends at the last '@', so that a password keeps any
    // character it has, encoded or not.
    const qsizetype at = rest.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = rest.left(at);
        rest = rest.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
        const QString user = colon < 0 ? userInfo : userInfo.left(colon);
        if (!Decode(user, &address.user))
            return fail(QStringLiteral("el nombre de usuario tiene un «%» mal escrito."));
        if (colon >= 0 && !Decode(userInfo.mid(colon + 1), &address.password))
            return fail(QStringLiteral("la clave tiene un «%» mal escrito."));
    }

    qsizetype end = rest.indexOf(QRegularExpression(QStringLiteral("[/?]")));
    if (end < 0)
        end = rest.size();
    QString hostPort = rest.left(end);
    rest = rest.mid(end);
    if (hostPort.contains(QLatin1Char(',')))
        return fail(QStringLiteral("solo puede nombrar un servidor."));
    QString portText;
    if (hostPort.startsWith(QLatin1Char('['))) {
        const qsizetype close = hostPort.indexOf(QLatin1Char(']'));
        if (close < 0)
            return fail(QStringLiteral("falta el «]» que cierra la dirección IPv6."));
        if (!Decode(hostPort.mid(1, close - 1), &address.host) || !ValidIpv6(address.host))
            return fail(QStringLiteral("«%1» no es una dirección IPv6.").arg(address.host));
        const QString after = hostPort.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return fail(QStringLiteral("tras la dirección IPv6 solo puede ir «:puerto»."));
        if (!after.isEmpty())
            portText = after.mid(1);
        if (after == QLatin1String(":"))
            return fail(QStringLiteral("falta el número de puerto tras «:»."));
    } else {
        if (hostPort.count(QLatin1Char(':')) > 1)
            return fail(QStringLiteral("una dirección IPv6 va entre corchetes: [::1]."));
        const qsizetype colon = hostPort.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            portText = hostPort.mid(colon + 1);
            if (portText.isEmpty())
                return fail(QStringLiteral("falta el número de puerto tras «:»."));
            hostPort.truncate(colon);
        }
        if (!Decode(hostPort, &address.host))
            return fail(QStringLiteral("el nombre del servidor tiene un «%» mal escrito."));
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        const int port = portText.toInt(&ok);
        bool digits = true;
        for (const QChar ch : portText)
            digits = digits && ch.isDigit() && ch.unicode() < 128;
        if (!ok || !digits || port < 1 || port > 65535)
            return fail(QStringLiteral("el puerto «%1» no es un número de 1 a 65535.").arg(portText));
        address.port = port;
    }

    QString query;
    const qsizetype question = rest.indexOf(QLatin1Char('?'));
    if (question >= 0) {
        query = rest.mid(question + 1);
        rest.truncate(question);
    }
    if (rest.size() > 1) {
        const QString path = rest.mid(1);
        if (path.contains(QLatin1Char('/')))
            return fail(QStringLiteral("tras el servidor va una sola palabra: el nombre de la base de datos."));
        if (!Decode(path, &address.database) || address.database.isEmpty())
            return fail(QStringLiteral("el nombre de la base de datos tiene un «%» mal escrito."));
    }

    if (!query.isEmpty()) {
        for (const QString& pair : query.split(QLatin1Char('&'))) {
            const qsizetype equals = pair.indexOf(QLatin1Char('='));
            QString key, value;
            if (equals <= 0 || !Decode(pair.left(equals), &key) || !Decode(pair.mid(equals + 1), &value))
                return fail(QStringLiteral("la opción «%1» no tiene la forma nombre=valor.").arg(pair));
            if (!KnownOption(key))
                return fail(QStringLiteral("no conoce la opción «%1».").arg(key));
            for (const auto& [k, v] : address.options)
                if (k == key)
                    return fail(QStringLiteral("la opción «%1» está dos veces.").arg(key));
            if (value.contains(QLatin1Char(';')))
                return fail(QStringLiteral("el valor de «%1» no puede llevar «;».").arg(key));
            if (key == QLatin1String("sslmode") &&
                !QStringList{"disable", "allow", "prefer", "require", "verify-ca", "verify-full"}.contains(value))
                return fail(QStringLiteral("sslmode no puede valer «%1».").arg(value));
            if (NumericOption(key)) {
                bool ok = false;
                if (value.toInt(&ok) < 0 || !ok)
                    return fail(QStringLiteral("«%1» pide un número.").arg(key));
            }
            address.options.emplace_back(key, value);
        }
    }
    return address;
}

QString Shown(const Address& address)
{
    const auto enc = [](const QString& s) { return QString::fromUtf8(QUrl::toPercentEncoding(s)); };
    QString text = QStringLiteral("postgresql://");
    if (!address.user.isEmpty() || !address.password.isEmpty()) {
        text += enc(address.user);
        if (!address.password.isEmpty())
            text += QStringLiteral(":****");
        text += QLatin1Char('@');
    }
    text += address.host.contains(QLatin1Char(':'))
                ? QLatin1Char('[') + QString(address.host).replace(QLatin1Char('%'), QLatin1String("%25")) +
                      QLatin1Char(']')
                : enc(address.host);
    text += QStringLiteral(":%1/").arg(address.port) + enc(address.database);
    QStringList options;
    for (const auto& [key, value] : address.options)
        options << enc(key) + QLatin1Char('=') + enc(value);
    if (!options.isEmpty())
        text += QLatin1Char('?') + options.join(QLatin1Char('&'));
    return text;
}

QString ConnectOptions(const Address& address)
{
    std::vector<std::pair<QString, QString>> options = address.options;
    const auto setDefault = [&](const char* key, const char* value) {
        for (const auto& [k, v] : options)
            if (k == QLatin1String(key))
                return;
        options.emplace_back(QLatin1String(key), QLatin1String(value));
    };
    // A server that vanished mid-query would otherwise hold the sender for
    // the many minutes TCP takes to give up.
    setDefault("connect_timeout", "5");
    if (!address.host.isEmpty() && !address.host.startsWith(QLatin1Char('/'))) {
        setDefault("keepalives", "1");
        setDefault("keepalives_idle", "10");
        setDefault("keepalives_interval", "5");
        setDefault("keepalives_count", "3");
        setDefault("tcp_user_timeout", "20000");
    }
    QStringList parts;
    for (const auto& [key, value] : options)
        parts << key + QLatin1Char('=') + Quote(value);
    return parts.join(QLatin1Char(';'));
}

Setting Find(const QString& environmentValue, const QString& configHome, const QStringList& systemDirs)
{
    Setting setting;
    if (!environmentValue.trimmed().isEmpty()) {
        setting.uri = environmentValue.trimmed();
        setting.source = EnvironmentName;
        return setting;
    }
    QStringList dirs;
    if (!configHome.isEmpty())
        dirs << configHome;
    dirs << systemDirs;
    for (const QString& dir : dirs) {
        const QString file = QDir(dir).filePath(QStringLiteral("cifrolo/cifrolo.conf"));
        const QFileInfo info(file);
        if (!info.isFile())
            continue;
        QSettings conf(file, QSettings::IniFormat);
        if (conf.status() != QSettings::NoError) {
            setting.warnings << QStringLiteral("No se puede leer %1.").arg(file);
            continue;
        }
        if (!conf.contains(SettingKey))
            continue;
        // An unquoted value with commas comes back as a list.
        const QVariant value = conf.value(SettingKey);
        setting.uri = (value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                 : value.toString())
                          .trimmed();
        setting.source = file;
        const auto address = Parse(setting.uri);
        if (address && !address->password.isEmpty() && info.permissions().testFlag(QFile::ReadOther))
            setting.warnings << QStringLiteral("%1 guarda la clave del servidor y cualquiera puede leerlo: "
                                               "conviene «chmod 600» (o 640 con un grupo de quienes juegan).")
                                    .arg(file);
        return setting;
    }
    return setting;
}

Setting FindForThisUser()
{
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(home))
        home = QDir::homePath() + QStringLiteral("/.config");
    QStringList system;
    for (const QString& dir : qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            system << dir;
    if (system.isEmpty())
        system << QStringLiteral("/etc/xdg");
    return Find(qEnvironmentVariable("CIFROLO_HISTORIAL"), home, system);
}

}  // namespace ServerAddress
