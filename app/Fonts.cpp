// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Fonts.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <initializer_list>
#include <unordered_map>

namespace {

QString SubstituteFace(const QString& face)
{
    if (face == QLatin1String("MS Sans Serif") || face == QLatin1String("Arial"))
        return QStringLiteral("Liberation Sans");
    if (face == QLatin1String("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    if (face == QLatin1String("Courier New"))
        return QStringLiteral("Liberation Mono");
    return face;
}

}  // namespace

QFont DesignFont(const QString& face, int pixelSize, bool bold, bool italic)
{
    QFont f(SubstituteFace(face));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont DigitFont(int pixelSize)
{
    // Both faces are named, the first one installed wins when the text is
    // first laid out: no list of every installed font is read while the
    // windows are being built.
    QFont f = DesignFont(QStringLiteral("trazolin"), pixelSize, true);
    f.setFamilies({QStringLiteral("trazolin"), QStringLiteral("Andika")});
    return f;
}

namespace {

// Hundreds of controls get the same colour over the same palette while the
// windows are built: each changed palette is made once and shared.
const QPalette& Recoloured(const QPalette& base, std::initializer_list<QPalette::ColorRole> roles,
                           const QColor& colour)
{
    struct Key {
        qint64 base;
        QPalette::ColorRole first;
        QRgb colour;
        bool operator==(const Key&) const = default;
    };
    struct Hash {
        size_t operator()(const Key& k) const
        {
            return std::hash<qint64>()(k.base) ^ (size_t(k.colour) << 8) ^ size_t(k.first);
        }
    };
    static std::unordered_map<Key, QPalette, Hash> made;
    const Key key{base.cacheKey(), *roles.begin(), colour.rgba()};
    auto it = made.find(key);
    if (it == made.end()) {
        // A control recoloured over and over (the points) has a new palette
        // each time: forget them all now and then.
        if (made.size() >= 256)
            made.clear();
        QPalette p = base;
        for (QPalette::ColorRole role : roles)
            p.setColor(role, colour);
        it = made.emplace(key, p).first;
    }
    return it->second;
}

}  // namespace

void SetTextColour(QWidget* widget, const QColor& colour)
{
    widget->setPalette(
        Recoloured(widget->palette(), {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colour));
}

void SetBackgroundColour(QWidget* widget, const QColor& colour)
{
    widget->setPalette(Recoloured(widget->palette(), {QPalette::Window, QPalette::Base}, colour));
    widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h,
                  const QFont& font, const QColor& colour, Qt::Alignment align)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(x, y, w, h);
    l->setFont(font);
    l->setAlignment(align);
    SetTextColour(l, colour);
    return l;
}
