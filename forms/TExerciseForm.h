// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TFirstUseDialog.h"
#include "logic/ExerciseKind.h"
#include "logic/Practice.h"

#include <QColor>
#include <QPoint>
#include <QSet>
#include <QSize>
#include <QString>
#include <cstdint>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class TColor95Button;

// What every exercise window shares: the background picture, the seeding of
// the random source, the first placement beside the main window, the hit and
// miss counters of its kind, the clock of the sum, the wrong-answer steps and
// closing. A window derives from it, builds its own controls and deals sums
// in NewSum().
class TExerciseForm : public TFirstUseDialog {
    Q_OBJECT
public:
    // Hits and misses of one kind of exercise, for all players together.
    struct KindCounters {
        int32_t hits = 0;
        int32_t misses = 0;
    };

    ExerciseKind Code() const { return kind_; }
    int HelpContext() const { return helpContext_; }
    int32_t KindHits() const { return counters_->hits; }
    int32_t KindMisses() const { return counters_->misses; }
    // Back to 0; the labels show it with the next sum.
    void ResetKindCounters();
    // From now on this window counts in the owner's counters (the harder
    // variant in those of the window it is reached from).
    void ShareKindCounters(TExerciseForm* owner);

    // Deals and shows a new sum.
    virtual void NewSum() = 0;
    // The results slot the sum on screen counts in (-1: none); by default
    // the one of the window's kind.
    virtual int CountingSlot() const;

    // Whether a dealt sum has not ended yet (for the practice history).
    bool SumOpen() const { return sumOpen_; }
    // Ends the open sum, if any, as abandoned.
    void ReportAbandoned();

    // The tick drawn on the check buttons.
    static QPixmap CheckPicture();

    // Whose turn it is, in the window itself: placed as designed, it may
    // cover the main window's player panel.
    void ShowPlayerName();

    // Controls of every exercise window, by their design names.
    QLabel* Image1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label_aciertos = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label_fallos = nullptr;
    // What the child's own history says a wrong digit means, shown beside
    // the box once the notice closes, until the next key.
    QLabel* Label_explicacion = nullptr;
    QLabel* Label_jugador = nullptr;

protected:
    // Creation: the window itself, and the random source seeded. Its controls
    // come later, from BuildControls. The picture file goes into Image1, when
    // it can be read, as the window is first shown.
    TExerciseForm(ExerciseKind kind, const QString& caption, QSize clientSize,
                  const QColor& background, QWidget* parent,
                  const QString& pictureFile = QStringLiteral("fondo2.bmp"));

    // Makes the counter boxes (at 25,30 and 25,130), Image1 (with no
    // geometry yet: the window gives it one) and the lines under them. A
    // window makes these first, then its own controls.
    void BuildControls() override;

    void SetHelpContext(int context) { helpContext_ = context; }
    // Offset of the first show from the main window's top-left corner
    // (150, 138 unless changed).
    void SetFirstShowOffset(QPoint offset) { firstShowOffset_ = offset; }
    void PlaceCounterBoxes(QPoint hitsBox, QPoint missesBox);

    // Runs on every show: a new sum. (The first showing of the run is placed
    // beside the main window before it is mapped: see setVisible.)
    virtual void FormShow();
    // Runs on every close: the clock stops and no exercise is open.
    virtual void FormClose();

    // The start of every new sum: exerciseKind = Code(), the kind counters
    // shown, the clock restarted at 0.
    void StartSum();
    void ShowKindCounters();
    // This kind's hits (misses) + 1, shown.
    void CountHit();
    void CountMiss();
    // The wrong-answer steps: miss sound, the notice (modal), misses + 1,
    // ScoreMiss, then the box (if any) emptied and focused.
    void ScoreWrongAnswer(QLineEdit* box);
    // The main window's next-player action, when the turn changes by itself.
    void PassTurnIfAutomatic();
    // A correct answer or digit: this kind's hits + 1, ScoreHit,
    // Pause(300).
    void DigitCorrect();
    // "Más dificil...": this window hides, the harder one opens with its own
    // sum, this one's close steps run, and the game state is left with the
    // harder window's kind and a running clock.
    void SwitchToHarder(TExerciseForm* harder);

    // The sum's life, told to the practice recorder. A sum dealt while
    // another is open ends that one, abandoned; so do closing the window,
    // "Más dificil..." and the end of the program. A key that arrives after
    // the turn has passed by hand belongs to the new player: the sum starts
    // again for them.
    void ReportDealt(const QString& rows);
    void ReportKey(Practice::Box box, int32_t col, int32_t expected, int32_t typed);
    void ReportFinished();

    // Control makers with the exercise windows' looks.
    // A sum digit: trazolin bold, centred, transparent.
    QLabel* MakeDigitLabel(const char* name, const QRect& geometry, int pixelSize = 48,
                           const QColor& colour = Qt::black);
    // An answer box: one line, centred, blue digits on aqua, the click hint,
    // the digit-only key filter.
    QLineEdit* MakeAnswerBox(const char* name, const QRect& geometry, int maxLength,
                             int pixelSize = 48);
    // A box of the hit or miss counter, its title in the window's caption
    // font, its number in the digit font.
    QGroupBox* MakeCounterBox(const char* boxName, const QString& title, const QString& hint,
                              const QColor& colour, const char* labelName, QLabel** label);
    // A filled bar such as the line under the sum.
    QFrame* MakeBar(const char* name, const QRect& geometry, const QColor& colour);
    // The check button: tick picture, vertical gradient, bold 16 px caption.
    TColor95Button* MakeCheckButton(const char* name, const QString& caption, const QRect& geometry,
                                    const QColor& face);

    // Lets only Backspace and the digits into the box; Enter and every other
    // character are dropped (navigation keys pass).
    void FilterAnswerKeys(QLineEdit* box);

    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Decodes the picture file into Image1 (once; the name is then cleared).
    void LoadPicture();
    QString pictureFile_;  // not yet decoded
    ExerciseKind kind_;
    int helpContext_ = 0;
    QPoint firstShowOffset_{150, 138};
    bool firstShow_ = true;
    KindCounters ownCounters_;
    KindCounters* counters_ = &ownCounters_;
    QSet<QObject*> filteredBoxes_;
    bool sumOpen_ = false;
    QString sumPlayer_;
    QString sumRows_;
    QString pendingLine_;
    QWidget* lineAnchor_ = nullptr;

    void ShowMistakeLine();
};
