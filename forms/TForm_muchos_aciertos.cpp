// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_muchos_aciertos.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "logic/FaceAnimation.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>

namespace {

const QString kHint = QStringLiteral("Pulsa para borrar y volver");
constexpr uint32_t kStepPause = 100;

}  // namespace

// The tiles are painted where they are seen, from the face itself, rather
// than kept as one picture larger than the screen.
class TForm_muchos_aciertos::TiledFace : public QLabel {
public:
    explicit TiledFace(QWidget* parent) : QLabel(parent) {}
    void SetFace(const QPixmap& face)
    {
        face_ = face;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        // The first tile at (1, 1).
        if (!face_.isNull())
            p.drawTiledPixmap(QRect(1, 1, width() - 1, height() - 1), face_);
    }

private:
    QPixmap face_;
};

TForm_muchos_aciertos::TForm_muchos_aciertos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_muchos_aciertos"));
    setWindowTitle(QStringLiteral("Acierto"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    SetBackgroundColour(this, QColor(0xC0, 0xC0, 0xC0));
    // A window of no size cannot be shown; one pixel in the corner is the
    // nearest thing, and a moved window is not re-centred over its parent.
    setGeometry(0, 0, 1, 1);

    tiles_ = new TiledFace(this);
    Image_fondopantalla = tiles_;
    Image_fondopantalla->setObjectName(QStringLiteral("Image_fondopantalla"));
    Image_fondopantalla->setGeometry(0, 0, 1, 1);
    SetHint(Image_fondopantalla, kHint);

    Image_fondopantalla_tmp = new QLabel(this);
    Image_fondopantalla_tmp->setObjectName(QStringLiteral("Image_fondopantalla_tmp"));
    Image_fondopantalla_tmp->setVisible(false);

    Panel_central = new QFrame(this);
    Panel_central->setObjectName(QStringLiteral("Panel_central"));
    Panel_central->setFrameShape(QFrame::Box);
    Panel_central->setFrameShadow(QFrame::Plain);
    Panel_central->setLineWidth(1);
    Panel_central->setGeometry(0, 0, 16, 16);
    // A panel is solid: its margin round the face hides the tiles beneath.
    SetBackgroundColour(Panel_central, QColor(0xC0, 0xC0, 0xC0));

    Image_central = new QLabel(Panel_central);
    Image_central->setObjectName(QStringLiteral("Image_central"));
    Image_central->setGeometry(8, 8, 0, 0);
    Image_central->setScaledContents(true);
    SetHint(Image_central, kHint);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm_muchos_aciertos::Timer1Timer);

    Image_fondopantalla->installEventFilter(this);
    Image_central->installEventFilter(this);

    PublishControlNames(this);
}

void TForm_muchos_aciertos::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_muchos_aciertos::FormShow()
{
    opened_ = false;
    closeRequested_ = false;
    setGeometry(0, 0, 1, 1);
    // Gives the window time to be on screen before the face.
    Timer1->start();
}

void TForm_muchos_aciertos::Timer1Timer()
{
    Timer1->stop();
    if (!faceArmed)
        return;
    faceNumber = FaceAnimation::FaceToShow(faceNumber, FileExists);
    displaying_ = true;
    const bool shown = FaceDisplay(FaceAnimation::FaceFileName(faceNumber));
    displaying_ = false;
    faceArmed = false;
    faceNumber += 1;
    // Closed only now, so that closing re-arms the face after the flag was
    // cleared above; a close asked for meanwhile (the window manager's, which
    // the animation's screen updates let through) waits until here too.
    if (!shown || closeRequested_)
        done(QDialog::Rejected);
}

bool TForm_muchos_aciertos::FaceDisplay(const QString& fileName)
{
    const QSize screen = ThePlatform().ScreenSize();
    const int sw = screen.width();
    const int sh = screen.height();

    SetAnimationGeometry(QRect(0, 0, 0, 0));
    ThePlatform().Flush(this);

    // A picture that does not decode, or has no area, is a failed load.
    const QImage image = ReadPicture(fileName, PictureRole::Face);
    if (image.isNull())
        return false;
    // A face too big for the screen is drawn smaller, keeping its shape.
    const QSize drawn = FaceAnimation::DrawnFace(image.size(), screen);
    const QPixmap face = QPixmap::fromImage(
        drawn == image.size() ? image
                              : image.scaled(drawn, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const int fw = face.width();
    const int fh = face.height();

    Image_fondopantalla_tmp->setPixmap(face);
    Image_fondopantalla_tmp->adjustSize();
    Image_central->setGeometry(8, 8, 2 * fw, 2 * fh);
    Panel_central->resize(Image_central->width() + 16, Image_central->height() + 16);
    Image_central->setPixmap(face);
    Panel_central->move(sw / 2 - Panel_central->width() / 2, sh / 2 - Panel_central->height() / 2);

    verticalStep = fh;
    horizontalStep = fw;

    // Larger than the screen by a step each way, so that the animations may
    // overshoot the edges and still cover it.
    Image_fondopantalla->setGeometry(QRect(QPoint(0, 0), FaceAnimation::TiledArea(screen, face.size())));
    tiles_->SetFace(face);

    const FaceAnimation::Opening opening =
        FaceAnimation::OpeningAnimation(animationStyle, sw, sh, fw, fh);
    SetAnimationGeometry(opening.setUp);
    activateWindow();
    ThePlatform().Flush(this);
    RunSteps(opening.steps);
    opened_ = true;
    return true;
}

void TForm_muchos_aciertos::SetAnimationGeometry(const QRect& r)
{
    geometry_ = r;
    setGeometry(r.x(), r.y(), qMax(1, r.width()), qMax(1, r.height()));
}

void TForm_muchos_aciertos::RunSteps(const QList<QRect>& steps)
{
    // Step i is due at i pauses from the start. Where painting takes longer
    // than a pause (a very large screen), the steps whose time has passed are
    // left out, so an animation lasts about as long on any screen; the last
    // step, the one that ends it, always shows.
    qint64 clock = 0;  // ms since the first step, painting and pauses
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const qint64 due = qint64(i) * kStepPause;
        if (i + 1 < steps.size() && clock >= due + kStepPause)
            continue;
        QElapsedTimer painting;
        painting.start();
        SetAnimationGeometry(steps[i]);
        ThePlatform().Flush(this);
        clock += painting.elapsed();
        const qint64 next = due + kStepPause;
        // In whole tens of milliseconds: a quick paint leaves the full pause.
        if (clock < next)
            clock += Pause(uint32_t((next - clock + 9) / 10 * 10));
    }
}

void TForm_muchos_aciertos::done(int r)
{
    Timer1->stop();
    if (displaying_) {
        closeRequested_ = true;
        return;
    }
    if (closing_)
        return;  // already on its way out
    if (isVisible()) {
        closing_ = true;
        FormClose();
        closing_ = false;
    }
    closeRequested_ = false;
    QDialog::done(r);
    ReleasePictures();
}

void TForm_muchos_aciertos::FormClose()
{
    // Only a face that came in goes out; before the face, or after a face
    // that could not be loaded, the window has nothing on screen to move.
    if (opened_) {
        const QSize screen = ThePlatform().ScreenSize();
        const QList<QRect> closing =
            FaceAnimation::ClosingAnimation(animationStyle, geometry_, screen.width(),
                                            screen.height(), horizontalStep, verticalStep);
        RunSteps(closing);
    }
    opened_ = false;
    animationStyle = FaceAnimation::NextStyle(animationStyle);
    faceArmed = true;
}

void TForm_muchos_aciertos::ReleasePictures()
{
    // The pictures and the window can be as large as the screen and more;
    // nothing of them is needed until the next face.
    tiles_->SetFace({});
    Image_fondopantalla->setGeometry(0, 0, 1, 1);
    Image_fondopantalla_tmp->clear();
    Image_central->clear();
    SetAnimationGeometry(QRect(0, 0, 0, 0));
}

void TForm_muchos_aciertos::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    // A key still held from before is no new press.
    if (!event->isAutoRepeat())
        FormKeyDown();
}

void TForm_muchos_aciertos::FormKeyDown() { close(); }

void TForm_muchos_aciertos::Image_fondopantallaClick() { close(); }

bool TForm_muchos_aciertos::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Image_fondopantalla || watched == Image_central) &&
        event->type() == QEvent::MouseButtonRelease) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            Image_fondopantallaClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
