// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/TGIFImage.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPointer>

TGIFImage::TGIFImage(QWidget* parent) : QWidget(parent)
{
}

TGIFImage::~TGIFImage()
{
    // The movie must not call back into a half-destroyed widget.
    if (movie_)
        movie_->disconnect(this);
}

void TGIFImage::setFileName(const QString& fileName)
{
    stop();
    if (movie_) {
        // Possibly called from a handler of this very movie's signals.
        movie_->disconnect(this);
        movie_->deleteLater();
        movie_ = nullptr;
    }
    fileName_ = fileName;
    frame_ = QPixmap();
    frameNumber_ = -1;
    runFrame_ = -1;

    if (!fileName.isEmpty()) {
        movie_ = new QMovie(fileName, QByteArray(), this);
        movie_->setSpeed(speed_);
        connect(movie_, &QMovie::frameChanged, this, &TGIFImage::onFrameChanged);
        connect(movie_, &QMovie::finished, this, &TGIFImage::onFinished);
        // Until started, the picture shows its first frame.
        QImageReader reader(fileName);
        const QImage first = reader.read();
        if (!first.isNull())
            showFrame(QPixmap::fromImage(first), 0);
    }
    updateGeometry();
    update();
}

void TGIFImage::setSpeed(int percent)
{
    speed_ = qMax(0, percent);
    if (movie_)
        movie_->setSpeed(speed_);
}

void TGIFImage::setLoop(bool on)
{
    loop_ = on;
}

void TGIFImage::setStretch(bool on)
{
    if (stretch_ == on)
        return;
    stretch_ = on;
    update();
}

void TGIFImage::setAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_ && !frame_.isNull())
        resize(frame_.size());
}

int TGIFImage::frameCount() const
{
    return movie_ ? movie_->frameCount() : 0;
}

void TGIFImage::start()
{
    if (!movie_ || !movie_->isValid())
        return;
    // stop() rewinds the movie, so start() always plays from frame 0.
    movie_->stop();
    runFrame_ = -1;
    running_ = true;
    movie_->start();
    if (movie_ && movie_->state() == QMovie::NotRunning && runFrame_ < 0)
        running_ = false;  // no frame could be read after all
}

void TGIFImage::stop()
{
    running_ = false;
    if (movie_)
        movie_->stop();
}

void TGIFImage::onFrameChanged(int number)
{
    if (!running_)
        return;
    if (runFrame_ >= 0 && number <= runFrame_) {
        // The movie went round by itself: the previous pass is over.
        runFrame_ = -1;
        QPointer<TGIFImage> self(this);
        if (!loop_)
            stop();  // the last frame stays on screen
        emit wrapAnimation();
        if (!self || !running_ || !movie_ || movie_->currentFrameNumber() != number)
            return;
    }
    runFrame_ = number;
    showFrame(movie_->currentPixmap(), number);
}

void TGIFImage::onFinished()
{
    // QMovie also finishes on unreadable data; only a run that showed
    // frames has an end to report.
    if (!running_ || runFrame_ < 0)
        return;
    runFrame_ = -1;
    QPointer<TGIFImage> self(this);
    if (!loop_)
        running_ = false;
    emit wrapAnimation();
    if (self && running_ && movie_)
        movie_->start();  // the file itself does not loop: go round ourselves
}

void TGIFImage::showFrame(const QPixmap& frame, int number)
{
    frameNumber_ = number;
    const bool resized = frame.size() != frame_.size();
    frame_ = frame;
    if (resized) {
        updateGeometry();
        if (autoSize_)
            resize(frame_.size());
    }
    update();
}

QSize TGIFImage::sizeHint() const
{
    return frame_.isNull() ? QSize(32, 32) : frame_.size();
}

void TGIFImage::paintEvent(QPaintEvent*)
{
    if (frame_.isNull())
        return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), frame_);
    } else {
        painter.drawPixmap(0, 0, frame_);
    }
}

void TGIFImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(event);
}

void TGIFImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = pressed_;
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    if (event->button() == Qt::LeftButton && wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}
