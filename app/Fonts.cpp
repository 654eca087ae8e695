// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Fonts.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

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

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

void SetBackgroundColour(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
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
