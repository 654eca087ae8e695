// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QPixmap>
#include <QWidget>

class QMovie;

// Plays an animated GIF. The loop count stored in the file is ignored:
// with loop off one start() plays every frame once and stops on the last,
// with loop on it goes round until stop(). wrapAnimation() tells the end
// of each run, after the last frame has had its time on screen.
class TGIFImage : public QWidget {
    Q_OBJECT
public:
    explicit TGIFImage(QWidget* parent = nullptr);
    ~TGIFImage() override;

    // A file or a ":/" resource. Shows the first frame; stops a run. The
    // file is read when the picture is first shown or asked about, not here.
    void setFileName(const QString& fileName);
    QString fileName() const { return fileName_; }

    // Playing speed in percent of the speed stored in the file.
    void setSpeed(int percent);
    int speed() const { return speed_; }

    void setLoop(bool on);
    bool loop() const { return loop_; }

    // On: the frame is scaled to the widget; off: natural size, top left.
    void setStretch(bool on);
    bool stretch() const { return stretch_; }

    // On: the widget takes the size of the frames.
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }

    // Plays from the first frame; does nothing when the file is unreadable.
    void start();
    // Stops where it is; the frame on screen stays.
    void stop();
    bool isRunning() const { return running_; }

    // The frame on screen, its number (-1 when there is none) and the frame
    // count (0 when unknown).
    QPixmap currentFrame() const;
    int currentFrameNumber() const;
    int frameCount() const;

    QSize sizeHint() const override;

signals:
    void wrapAnimation();
    void clicked();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Reads the file given last, once.
    void load();
    void ensureLoaded() const;
    // With auto size: the size of the frames, before they are read.
    void takeSizeFromFile();
    void onFrameChanged(int number);
    void onFinished();
    void showFrame(const QPixmap& frame, int number);

    QMovie* movie_ = nullptr;
    QString fileName_;
    bool loadPending_ = false;
    QSize sizeBeforeHeader_;  // invalid unless sized from a header only
    QPixmap frame_;
    int frameNumber_ = -1;
    // Last frame number seen in this run (-1: none yet); a number not above
    // it means the movie went round by itself.
    int runFrame_ = -1;
    int speed_ = 100;
    bool loop_ = false;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool running_ = false;
    bool pressed_ = false;
};
