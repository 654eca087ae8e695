// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TExerciseForm.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/GameEvents.h"
#include "app/GameState.h"
#include "app/MistakeNotes.h"
#include "app/Platform.h"
#include "app/PracticeRecorder.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/TForm_aviso_error.h"
#include "forms/TForm_menu.h"
#include "logic/Random.h"
#include "logic/Scoring.h"
#include "logic/SumDigits.h"
#include "widgets/TColor95Button.h"

#include <QAccessible>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QShowEvent>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QColor kAqua(0x00, 0xFF, 0xFF);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QSize kCounterBox(116, 71);

QFont CaptionFont() { return DesignFont(QStringLiteral("MS Sans Serif"), 16, true); }

}  // namespace

QGroupBox* TExerciseForm::MakeCounterBox(const char* boxName, const QString& title, const QString& hint,
                                         const QColor& colour, const char* labelName, QLabel** label)
{
    auto* box = new QGroupBox(title, this);
    box->setObjectName(QLatin1String(boxName));
    box->setFont(CaptionFont());
    SetTextColour(box, colour);
    SetHint(box, hint);
    auto* l = new QLabel(QStringLiteral("0"), box);
    l->setObjectName(QLatin1String(labelName));
    l->setGeometry(4, 24, kCounterBox.width() - 8, 40);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(DigitFont(27));
    SetTextColour(l, colour);
    *label = l;
    return box;
}

void TExerciseForm::LoadPicture()
{
    // A picture that does not decode leaves the area empty, as a missing one
    // does.
    const QString file = std::exchange(pictureFile_, QString());
    if (file.isEmpty() || !FileExists(file))
        return;
    const QImage picture = ReadPicture(file);
    if (!picture.isNull())
        Image1->setPixmap(QPixmap::fromImage(picture));
}

TExerciseForm::TExerciseForm(ExerciseKind kind, const QString& caption, QSize clientSize,
                             const QColor& background, QWidget* parent, const QString& pictureFile)
    : TFirstUseDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      kind_(kind)
{
    setModal(false);
    setWindowTitle(caption);
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    SetBackgroundColour(this, background);
    setFixedSize(clientSize);
    connect(&Events(), &GameEvents::PlayerChanged, this, [this] {
        if (Label_jugador)
            ShowPlayerName();
    });

    // The picture is decoded when the window is first shown: most windows
    // of a run are never opened.
    pictureFile_ = pictureFile;
    SeedRandomFromClock();
}

void TExerciseForm::BuildControls()
{
    // Created first, so every other control lies above it.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);

    GroupBox1 = MakeCounterBox(
        "GroupBox1", QStringLiteral(" Aciertos :  "),
        QStringLiteral("Total aciertos en este tipo de cuenta, por todos los jugadores"), kBlue,
        "Label_aciertos", &Label_aciertos);
    GroupBox2 = MakeCounterBox(
        "GroupBox2", QStringLiteral(" Fallos :  "),
        QStringLiteral("Total fallos en este tipo de cuenta, por todos los jugadores"), kRed,
        "Label_fallos", &Label_fallos);
    PlaceCounterBoxes({25, 30}, {25, 130});

    Label_explicacion = new QLabel(this);
    Label_explicacion->setObjectName(QStringLiteral("Label_explicacion"));
    Label_explicacion->setWordWrap(true);
    Label_explicacion->setAlignment(Qt::AlignCenter);
    Label_explicacion->setFont(DesignFont(QStringLiteral("Arial"), 16, true));
    Label_explicacion->setMargin(4);
    Label_explicacion->setAutoFillBackground(true);
    SetBackgroundColour(Label_explicacion, QColor(0xFF, 0xFF, 0xE1));
    SetTextColour(Label_explicacion, QColor(0x00, 0x00, 0x80));
    Label_explicacion->hide();

    Label_jugador = new QLabel(this);
    Label_jugador->setObjectName(QStringLiteral("Label_jugador"));
    Label_jugador->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 12, true));
    Label_jugador->setAccessibleName(QStringLiteral("Jugador actual"));
    SetTextColour(Label_jugador, QColor(0x00, 0x00, 0x80));
}

void TExerciseForm::ResetKindCounters() { *counters_ = KindCounters{}; }

QPixmap TExerciseForm::CheckPicture()
{
    QPixmap picture(22, 22);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(3.5, 11.5);
    tick.lineTo(9, 17.5);
    tick.lineTo(19, 4.5);
    // A light rim under the stroke keeps it visible on dark faces too.
    p.setPen(QPen(QColor(255, 255, 255, 200), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(0x00, 0x80, 0x00), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return picture;
}

void TExerciseForm::ShowPlayerName()
{
    // Top left, above the counters and below a menu bar if there is one.
    const auto* bar = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    Label_jugador->setGeometry(6, bar ? bar->geometry().bottom() + 1 : 0, 150, 15);
    const bool known = game.currentPlayer >= 1 && game.currentPlayer <= game.playerCount;
    Label_jugador->setText(known ? QStringLiteral("Turno: ") + game.CurrentRecord().Name() : QString());
    Label_jugador->raise();
}

void TExerciseForm::PlaceCounterBoxes(QPoint hitsBox, QPoint missesBox)
{
    GroupBox1->setGeometry(QRect(hitsBox, kCounterBox));
    GroupBox2->setGeometry(QRect(missesBox, kCounterBox));
}

void TExerciseForm::ShareKindCounters(TExerciseForm* owner) { counters_ = owner->counters_; }

int TExerciseForm::CountingSlot() const { return CounterSlotFor(kind_); }

void TExerciseForm::FormShow()
{
    NewSum();
}

void TExerciseForm::FormClose()
{
    ReportAbandoned();
    game.clockRunning = false;
    game.exerciseKind = Kind::None;
}

void TExerciseForm::StartSum()
{
    game.exerciseKind = kind_;
    ShowKindCounters();
    game.clockRunning = true;
    game.sumSeconds = 0;
}

namespace {
QString CurrentPlayerName()
{
    if (game.currentPlayer < 1 || game.currentPlayer > kMaxPlayers)
        return {};
    return game.CurrentRecord().Name();
}
}  // namespace

void TExerciseForm::ReportDealt(const QString& rows)
{
    ReportAbandoned();
    sumOpen_ = true;
    sumPlayer_ = CurrentPlayerName();
    sumRows_ = rows;
    // The notes may read the player's history: before this sum is in it.
    TheMistakeNotes().Dealt(sumPlayer_, kind_, sumRows_);
    TheRecorder().SumDealt(sumPlayer_, kind_, sumRows_, ThePlatform().Now());
    pendingLine_.clear();
    Label_explicacion->hide();
}

void TExerciseForm::ReportKey(Practice::Box box, int32_t col, int32_t expected, int32_t typed)
{
    if (!sumOpen_)
        return;
    const QString player = CurrentPlayerName();
    if (player != sumPlayer_) {
        const QString rows = sumRows_;
        ReportDealt(rows);
    }
    TheRecorder().KeyChecked(box, col, expected, typed, ThePlatform().Now());
    const QString line = TheMistakeNotes().Key(box, col, expected, typed);
    pendingLine_ = game.explainMistakes ? line : QString();
    lineAnchor_ = focusWidget();
}

void TExerciseForm::ReportFinished()
{
    if (!sumOpen_)
        return;
    sumOpen_ = false;
    TheRecorder().SumEnded(true, ThePlatform().Now());
}

void TExerciseForm::ReportAbandoned()
{
    if (!sumOpen_)
        return;
    sumOpen_ = false;
    TheRecorder().SumEnded(false, ThePlatform().Now());
}

void TExerciseForm::ShowKindCounters()
{
    Label_aciertos->setText(QString::number(counters_->hits));
    Label_fallos->setText(QString::number(counters_->misses));
}

void TExerciseForm::CountHit()
{
    counters_->hits += 1;
    Label_aciertos->setText(QString::number(counters_->hits));
}

void TExerciseForm::CountMiss()
{
    counters_->misses += 1;
    Label_fallos->setText(QString::number(counters_->misses));
}

void TExerciseForm::ScoreWrongAnswer(QLineEdit* box)
{
    PlayMissSound();
    ThePlatform().RunModal(Form_aviso_error);
    CountMiss();
    ScoreMiss();
    if (box) {
        box->clear();
        box->setFocus();
        // Checked by a button: the line goes by the answer, not the button.
        lineAnchor_ = box;
    }
    ShowMistakeLine();
}

void TExerciseForm::ShowMistakeLine()
{
    const QString line = std::exchange(pendingLine_, QString());
    if (line.isEmpty())
        return;
    Label_explicacion->setText(line);
    Label_explicacion->setAccessibleName(line);
    // Beside the box where the digit was typed: below, above, left or right
    // of it, narrower if need be, where it covers no other control and stays
    // inside the window; below it if no place is free.
    const QRect box = lineAnchor_ && isAncestorOf(lineAnchor_)
                          ? QRect(lineAnchor_->mapTo(this, QPoint(0, 0)), lineAnchor_->size())
                          : QRect(width() / 2, 0, 0, 0);
    const QRect inside = rect().adjusted(4, 4, -4, -4);
    auto covers = [&](const QRect& place) {
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w != Image1 && w != Label_explicacion && w != lineAnchor_ && w->isVisible() &&
                w->geometry().intersects(place))
                return true;
        return false;
    };
    std::optional<QRect> chosen;
    for (int w : {260, 200, 150}) {
        const int h = Label_explicacion->heightForWidth(w);
        const int midX = box.center().x() - w / 2, midY = box.center().y() - h / 2;
        const int lastX = std::max(inside.left(), inside.right() - w + 1);
        for (const QRect& place : {QRect(midX, box.bottom() + 6, w, h), QRect(midX, box.top() - h - 6, w, h),
                                   QRect(box.left() - w - 6, midY, w, h),
                                   QRect(box.right() + 6, midY, w, h)}) {
            const QRect fitted(std::clamp(place.left(), inside.left(), lastX), place.top(), w, h);
            if (inside.contains(fitted) && !covers(fitted)) {
                chosen = fitted;
                break;
            }
        }
        if (chosen)
            break;
    }
    if (!chosen) {
        const int w = 260, h = Label_explicacion->heightForWidth(w);
        const int x =
            std::clamp(box.center().x() - w / 2, inside.left(), std::max(inside.left(), inside.right() - w + 1));
        chosen = QRect(x, std::min(box.bottom() + 6, inside.bottom() - h + 1), w, h);
    }
    Label_explicacion->setGeometry(*chosen);
    Label_explicacion->raise();
    Label_explicacion->show();
    QAccessibleEvent shown(Label_explicacion, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
}

void TExerciseForm::PassTurnIfAutomatic()
{
    if (game.autoTurnChange)
        NextPlayer();
}

void TExerciseForm::DigitCorrect()
{
    CountHit();
    ScoreHit();
    Pause(300);
}

void TExerciseForm::SwitchToHarder(TExerciseForm* harder)
{
    ReportAbandoned();
    hide();
    harder->show();
    // close() on a window already hidden never reaches done(), so the close
    // steps are run here by name; the two lines after them undo what they
    // did to the game state.
    FormClose();
    game.exerciseKind = harder->Code();
    game.clockRunning = true;
}

QLabel* TExerciseForm::MakeDigitLabel(const char* name, const QRect& geometry, int pixelSize,
                                      const QColor& colour)
{
    auto* l = new QLabel(this);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(DigitFont(pixelSize));
    SetTextColour(l, colour);
    return l;
}

QLineEdit* TExerciseForm::MakeAnswerBox(const char* name, const QRect& geometry, int maxLength,
                                        int pixelSize)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(DigitFont(pixelSize));
    box->setMaxLength(maxLength);
    box->setTextMargins(0, 0, 0, 0);
    SetBackgroundColour(box, kAqua);
    SetTextColour(box, kBlue);
    SetHint(box, QStringLiteral("Haz clic, si no está el cursor"));
    FilterAnswerKeys(box);
    return box;
}

QFrame* TExerciseForm::MakeBar(const char* name, const QRect& geometry, const QColor& colour)
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(geometry);
    bar->setFrameShape(QFrame::NoFrame);
    SetBackgroundColour(bar, colour);
    return bar;
}

TColor95Button* TExerciseForm::MakeCheckButton(const char* name, const QString& caption,
                                               const QRect& geometry, const QColor& face)
{
    auto* b = new TColor95Button(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(CaptionFont());
    b->setFaceColor(face);
    b->setGradientStyle(TColor95Button::GradientStyle::Vertical);
    b->setPicture(CheckPicture());
    // Enter in the answer box must not check the sum.
    b->setAutoDefault(false);
    return b;
}

void TExerciseForm::FilterAnswerKeys(QLineEdit* box)
{
    filteredBoxes_.insert(box);
    box->installEventFilter(this);
}

void TExerciseForm::setVisible(bool visible)
{
    // The first showing of the run goes beside the main window. Both
    // positions are those of the outer frames. Moved before the native window
    // exists, the window system is asked to place the frame; moved later, on
    // X11 the client area would go there (the frame is not known before the
    // first mapping) and the title bar would cover the turn buttons.
    if (visible) {
        EnsureControls();
        LoadPicture();
    }
    if (visible && firstShow_ && !isVisible()) {
        firstShow_ = false;
        if (Form_menu)
            move(Form_menu->pos() + firstShowOffset_);
    }
    TFirstUseDialog::setVisible(visible);
}

void TExerciseForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored from the taskbar is not a new opening.
    if (!event->spontaneous()) {
        ShowPlayerName();
        FormShow();
    }
}

void TExerciseForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TExerciseForm::keyPressEvent(QKeyEvent* event)
{
    // Only the close box closes an exercise window, not Escape.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TExerciseForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !filteredBoxes_.contains(watched))
        return QDialog::eventFilter(watched, event);
    // The line about the last mistake lasts until the next key.
    Label_explicacion->hide();
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    // Keys without a character (arrows, Delete, Home) only move the caret.
    if (text.isEmpty())
        return false;
    return !(text.size() == 1 && IsAnswerCharacter(text.at(0)));
}
