// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_Acierto.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/TForm_muchos_aciertos.h"
#include "logic/Scoring.h"
#include "widgets/TColor95Button.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <utility>

namespace {

const QString kMessage = QStringLiteral(
    "¡¡ Muy bien !!\n\nEstás jugando tan bien que has ganado 20 puntos más.\n\nPulsa el botón "
    "'Seguir' para ver la cara graciosa que tienes");

const QString kPictureError =
    QStringLiteral("\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n");

}  // namespace

TForm_Acierto::TForm_Acierto(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_Acierto"));
    setWindowTitle(QStringLiteral("  Aviso de acierto."));
    // A title bar without any button: no close box, nothing to minimize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setFixedSize(627, 266);
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    SetBackgroundColour(this, QColor(0x51, 0xA8, 0xFF));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 7, 308, 184);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setFont(DesignFont(QStringLiteral("Arial"), 21));
    SetTextColour(Label1, QColor(0xFF, 0xFF, 0x00));
    SetBackgroundColour(Label1, QColor(0x00, 0x40, 0x80));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(330, 0, 305, 281);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setScaledContents(true);

    Color95Button1 = new TColor95Button(QStringLiteral("&Seguir"), this);
    Color95Button1->setObjectName(QStringLiteral("Color95Button1"));
    Color95Button1->setGeometry(81, 208, 177, 48);
    Color95Button1->setFont(DesignFont(QStringLiteral("Arial"), 19, true));
    Color95Button1->setGradientStyle(TColor95Button::GradientStyle::Vertical);
    // Return and Space must not reach it: only a click or its accelerator.
    Color95Button1->setAutoDefault(false);
    Color95Button1->setFocusPolicy(Qt::NoFocus);

    Button_nulo = new QPushButton(QStringLiteral("nulo"), this);
    Button_nulo->setObjectName(QStringLiteral("Button_nulo"));
    Button_nulo->setGeometry(8, 230, 75, 25);
    Button_nulo->setAutoDefault(false);

    connect(Color95Button1, &QPushButton::clicked, this, &TForm_Acierto::Color95Button1Click);
    connect(Button_nulo, &QPushButton::clicked, this, &TForm_Acierto::Button_nuloClick);

    PublishControlNames(this);
    FormCreate();
}

void TForm_Acierto::FormCreate()
{
    // Out of sight, yet still able to take the keys a child keeps pressing.
    Button_nulo->move(Button_nulo->x(), 900);
    // The picture is read when the notice first comes up: many runs never
    // earn one.
    pictureWanted_ = true;
}

void TForm_Acierto::LoadPicture()
{
    if (!std::exchange(pictureWanted_, false))
        return;
    if (!FileExists(QStringLiteral("acierto.bmp")))
        return;
    const QImage image = ReadPicture(QStringLiteral("acierto.bmp"));
    if (image.isNull()) {
        ThePlatform().ShowMessage(kPictureError);
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(image));
}

void TForm_Acierto::setVisible(bool visible)
{
    // Before the window is mapped, so that it never shows without its picture.
    if (visible)
        LoadPicture();
    QDialog::setVisible(visible);
}

void TForm_Acierto::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_Acierto::FormShow()
{
    // Centred on the screen rather than over the main window.
    const QSize screen = ThePlatform().ScreenSize();
    if (screen.isValid())
        move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

    Label1->setText(kMessage);
    for (int p = 1; p <= game.playerCount && p <= kMaxPlayers; ++p)
        game.pointsTable[p].points += kBonusPoints;
    ShowPoints();
    game.clockRunning = false;
    Button_nulo->setFocus(Qt::OtherFocusReason);
}

void TForm_Acierto::Color95Button1Click()
{
    ThePlatform().RunModal(Form_muchos_aciertos);
    done(QDialog::Accepted);
}

void TForm_Acierto::Button_nuloClick() {}

void TForm_Acierto::keyPressEvent(QKeyEvent* event)
{
    // With the focus on a button the accelerator needs no Alt, as on the
    // wrong-answer notice; the keys Button_nulo ignores arrive here.
    constexpr auto kOtherModifiers = Qt::ControlModifier | Qt::MetaModifier;
    if (event->key() == Qt::Key_S && !(event->modifiers() & kOtherModifiers) && !event->isAutoRepeat()) {
        Color95Button1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm_Acierto::reject() {}
