// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_aviso_error.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/Platform.h"
#include "widgets/TColor95Button.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

QLabel* MakeNoticeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setWordWrap(true);
    l->setFont(DesignFont(QStringLiteral("Times New Roman"), 27, true, true));
    SetTextColour(l, QColor(0xFF, 0xFF, 0x00));
    return l;
}

}  // namespace

TForm_aviso_error::TForm_aviso_error(QWidget* parent)
    // Above the exercise windows, which stay on top too; no close box.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm_aviso_error"));
    setWindowTitle(QStringLiteral("  Aviso de fallo"));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    SetBackgroundColour(this, QColor(0xFF, 0x2F, 0x2F));
    setFixedSize(476, 232);

    Label1 = MakeNoticeLabel(this, "Label1", QStringLiteral("El número que has pulsado NO es correcto."),
                             {43, 10, 391, 76});
    Label2 = MakeNoticeLabel(this, "Label2", QStringLiteral("Vuelve a calcularlo."), {42, 90, 391, 46});

    Color95Button1 = new TColor95Button(QStringLiteral("&Seguir"), this);
    Color95Button1->setObjectName(QStringLiteral("Color95Button1"));
    Color95Button1->setGeometry(136, 164, 204, 48);
    Color95Button1->setFaceColor(QColor(0xF8, 0x97, 0x92));
    Color95Button1->setGradientStyle(TColor95Button::GradientStyle::Vertical);
    Color95Button1->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 16, true));
    Color95Button1->setHotTrack(true);
    Color95Button1->setAutoDefault(false);
    SetTextColour(Color95Button1, Qt::white);
    // Space and Enter on the focused button would close the notice too; only
    // a click or the accelerator S (with or without Alt) does.
    Color95Button1->installEventFilter(this);
    connect(Color95Button1, &QPushButton::clicked, this, &TForm_aviso_error::Color95Button1Click);

    PublishControlNames(this);
}

void TForm_aviso_error::Color95Button1Click() { done(QDialog::Accepted); }

void TForm_aviso_error::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QSize screen = ThePlatform().ScreenSize();
    const QSize outer = frameGeometry().size();
    move((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
    Color95Button1->setFocus();
}

namespace {

bool IsAccelerator(const QKeyEvent* key)
{
    constexpr auto kOtherModifiers = Qt::ControlModifier | Qt::MetaModifier;
    return key->key() == Qt::Key_S && !(key->modifiers() & kOtherModifiers);
}

}  // namespace

void TForm_aviso_error::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (IsAccelerator(event))
        Color95Button1->click();
}

bool TForm_aviso_error::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Color95Button1)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        if (IsAccelerator(static_cast<QKeyEvent*>(event)))
            Color95Button1->click();
        return true;
    }
    return event->type() == QEvent::KeyRelease;
}
