// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>
#include <QList>
#include <QRect>

class QFrame;
class QLabel;
class QTimer;

// The bonus window: a funny face tiled over the whole screen and, at double
// size, framed in the middle; it slides or unrolls in and out in one of eight
// animation styles. A click on a face or any key closes it.
class TForm_muchos_aciertos : public QDialog {
    Q_OBJECT
public:
    explicit TForm_muchos_aciertos(QWidget* parent = nullptr);

    void FormShow();
    void Timer1Timer();
    void FormClose();
    void FormKeyDown();
    void Image_fondopantallaClick();

    void done(int r) override;

    QLabel* Image_fondopantalla = nullptr;
    QLabel* Image_fondopantalla_tmp = nullptr;
    QFrame* Panel_central = nullptr;
    QLabel* Image_central = nullptr;
    QTimer* Timer1 = nullptr;

    // Kept from one showing to the next.
    int faceNumber = 1;
    int animationStyle = 1;
    bool faceArmed = true;
    int horizontalStep = 0;  // width of the last face loaded
    int verticalStep = 0;    // height of the last face loaded

    // The geometry the animations last gave the window (its real geometry
    // never goes below 1 x 1).
    QRect AnimationGeometry() const { return geometry_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lays out the face and runs the opening; false when the face cannot be
    // loaded.
    bool FaceDisplay(const QString& fileName);
    void SetAnimationGeometry(const QRect& r);
    void ReleasePictures();
    // Shows the geometries one by one, a pause apart.
    void RunSteps(const QList<QRect>& steps);

    class TiledFace;
    TiledFace* tiles_ = nullptr;
    QRect geometry_;
    bool opened_ = false;   // the opening ran in this showing
    bool closing_ = false;
    bool displaying_ = false;      // laying out the face and opening
    bool closeRequested_ = false;  // while displaying_
};
