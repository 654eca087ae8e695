// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/TGIFImage.h"

#include <QFile>
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
    sizeBeforeHeader_ = QSize();
    // Most pictures wait hidden for a long time, many for the whole run.
    loadPending_ = !fileName.isEmpty();
    if (autoSize_)
        takeSizeFromFile();
    updateGeometry();
    update();
}

void TGIFImage::load()
{
    loadPending_ = false;
    movie_ = new QMovie(fileName_, QByteArray(), this);
    movie_->setSpeed(speed_);
    connect(movie_, &QMovie::frameChanged, this, &TGIFImage::onFrameChanged);
    connect(movie_, &QMovie::finished, this, &TGIFImage::onFinished);
    // Until started, the picture shows its first frame.
    QImageReader reader(fileName_);
    const QImage first = reader.read();
    if (!first.isNull())
        showFrame(QPixmap::fromImage(first), 0);
    else if (autoSize_ && sizeBeforeHeader_.isValid())
        resize(sizeBeforeHeader_);  // a header without a frame sizes nothing
    sizeBeforeHeader_ = QSize();
}

void TGIFImage::ensureLoaded() const
{
    if (loadPending_)
        const_cast<TGIFImage*>(this)->load();
}

QPixmap TGIFImage::currentFrame() const
{
    ensureLoaded();
    return frame_;
}

int TGIFImage::currentFrameNumber() const
{
    ensureLoaded();
    return frameNumber_;
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
    if (!autoSize_)
        return;
    if (!frame_.isNull())
        resize(frame_.size());
    else
        takeSizeFromFile();
}

void TGIFImage::takeSizeFromFile()
{
    // The frames of a GIF are as large as the screen its header declares:
    // the size is known without decoding anything. Other files are read.
    if (!loadPending_)
        return;
    QFile file(fileName_);
    QByteArray header;
    if (file.open(QIODevice::ReadOnly))
        header = file.read(10);
    const auto byteAt = [&header](int i) { return int(uchar(header.at(i))); };
    const QSize declared = header.size() == 10 && header.startsWith("GIF8")
                               ? QSize(byteAt(6) | byteAt(7) << 8, byteAt(8) | byteAt(9) << 8)
                               : QSize();
    if (declared.isEmpty()) {
        load();
    } else {
        sizeBeforeHeader_ = size();
        resize(declared);
    }
}

int TGIFImage::frameCount() const
{
    ensureLoaded();
    return movie_ ? movie_->frameCount() : 0;
}

void TGIFImage::start()
{
    ensureLoaded();
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
    ensureLoaded();
    return frame_.isNull() ? QSize(32, 32) : frame_.size();
}

void TGIFImage::showEvent(QShowEvent* event)
{
    ensureLoaded();
    QWidget::showEvent(event);
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
