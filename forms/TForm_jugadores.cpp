// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_jugadores.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "logic/PlayerName.h"
#include "logic/Players.h"
#include "widgets/TxpButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QValidator>
#include <algorithm>

namespace {

const QColor kFormColour(0xCA, 0xFF, 0xCA);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kAqua(0x00, 0xFF, 0xFF);

// A flat one-line box: a plain black line round it instead of a sunken frame.
class FlatLineEdit : public QLineEdit {
public:
    explicit FlatLineEdit(QWidget* parent) : QLineEdit(parent)
    {
        setFrame(false);
        setTextMargins(2, 1, 1, 1);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Takes only what a name can store (see PlayerName), whether typed or
// pasted, and at most PlayerName::kMaxChars characters of it: a key that
// would add anything else is not accepted.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        const int cursor = int(PlayerName::Storable(input.left(pos)).size());
        input = PlayerName::Storable(input);
        if (input.size() > PlayerName::kMaxChars) {
            // Typed or pasted in the middle: refused whole. At the end: what fits.
            if (cursor < input.size())
                return Invalid;
            input.truncate(PlayerName::kMaxChars);
        }
        pos = std::min(cursor, int(input.size()));
        return Acceptable;
    }
};

// "Ana", "Ana y Luis", "Ana, Luis y Eva".
QString JoinNames(const QStringList& names)
{
    if (names.size() == 1)
        return names.first();
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") +
           names.last();
}

QString TooManyPlayersText(const QStringList& dropped)
{
    const QString who = dropped.size() == 1 ? QStringLiteral("No ha podido entrar: %1.")
                                            : QStringLiteral("No han podido entrar: %1.");
    return QStringLiteral("\nLo siento: en el juego caben como máximo %1 jugadores.\n\n")
               .arg(kMaxPlayers) +
           who.arg(JoinNames(dropped)) + QStringLiteral("\n");
}

}  // namespace

TForm_jugadores::TForm_jugadores(QWidget* parent)
    : TRollOpenDialog(WhileRolling::Wait, parent,
                      Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm_jugadores"));
    setWindowTitle(QStringLiteral("¿ Quién va a jugar ?"));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    SetBackgroundColour(this, kFormColour);
    resize(593, 335);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Escribe los nombres de los jugadores/as"), 40, 10,
                       541, 36, DesignFont(QStringLiteral("Times New Roman"), 24, true, true), kNavy,
                       Qt::AlignHCenter | Qt::AlignTop);

    const QFont numberFont = DesignFont(QStringLiteral("MS Sans Serif"), 21);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    const int tops[5] = {55, 95, 135, 175, 215};
    // "1-" to "10-" beside the boxes; "10-" is wider and starts further left.
    QLabel** numbers[10] = {&Label2, &Label3, &Label4, &Label5,  &Label6,
                            &Label7, &Label8, &Label9, &Label10, &Label11};
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "Label" + QByteArray::number(i + 2);
        const bool wide = i == 9;
        *numbers[i] = MakeLabel(this, name.constData(), QStringLiteral("%1-").arg(i + 1),
                                i < 5 ? 10 : (wide ? 292 : 305), tops[i % 5], wide ? 34 : 21, 29,
                                numberFont, Qt::black, right);
    }

    const QFont nameFont = DesignFont(QStringLiteral("Courier New"), 19, false, true);
    const QString hint = QStringLiteral("Escribe el nombre de un jugador o jugadora");
    QLineEdit** members[10] = {&Edit_jugador1, &Edit_jugador2, &Edit_jugador3, &Edit_jugador4,
                               &Edit_jugador5, &Edit_jugador6, &Edit_jugador7, &Edit_jugador8,
                               &Edit_jugador9, &Edit_jugador10};
    for (int i = 0; i < 10; ++i) {
        auto* e = new FlatLineEdit(this);
        e->setObjectName(QStringLiteral("Edit_jugador%1").arg(i + 1));
        e->setGeometry(i < 5 ? 40 : 335, tops[i % 5], 240, 27);
        e->setFont(nameFont);
        // Room for the UTF-16 units of accents typed apart; the validator
        // counts characters.
        e->setMaxLength(4 * PlayerName::kMaxChars);
        e->setValidator(new NameValidator(e));
        SetBackgroundColour(e, kAqua);
        SetTextColour(e, kNavy);
        SetHint(e, hint);
        // The design's sample texts; FormShow empties them.
        e->setText(i == 0 ? QStringLiteral("1234567890123456789") : QStringLiteral("jugador%1").arg(i + 1));
        *members[i] = e;
        boxes_[size_t(i)] = e;
    }

    xpButton1 = new TxpButton(QStringLiteral("&Cancelar"), this);
    xpButton1->setObjectName(QStringLiteral("xpButton1"));
    xpButton1->setGeometry(64, 272, 177, 49);
    xpButton1->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 16));
    SetTextColour(xpButton1, Qt::red);
    xpButton2 = new TxpButton(QStringLiteral("&Jugar"), this);
    xpButton2->setObjectName(QStringLiteral("xpButton2"));
    xpButton2->setGeometry(328, 272, 201, 49);
    xpButton2->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 16, true));
    // No default button: Enter in a name box must not end the entry.
    for (TxpButton* b : {xpButton1, xpButton2})
        b->setAutoDefault(false);

    for (size_t i = 0; i + 1 < boxes_.size(); ++i)
        setTabOrder(boxes_[i], boxes_[i + 1]);
    setTabOrder(Edit_jugador10, xpButton1);
    setTabOrder(xpButton1, xpButton2);

    Timer_persiana = new QTimer(this);
    Timer_persiana->setObjectName(QStringLiteral("Timer_persiana"));
    Timer_persiana->setInterval(100);

    connect(Timer_persiana, &QTimer::timeout, this, &TForm_jugadores::Timer_persianaTimer);
    connect(xpButton1, &QAbstractButton::clicked, this, &TForm_jugadores::xpButton1Click);
    connect(xpButton2, &QAbstractButton::clicked, this, &TForm_jugadores::xpButton2Click);

    PublishControlNames(this);
    FormCreate();
}

void TForm_jugadores::FormCreate()
{
    Timer_persiana->stop();
    FitForRolling();
}

void TForm_jugadores::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TForm_jugadores::FormShow()
{
    NewShowing();
    for (QLineEdit* box : boxes_)
        box->clear();
    Edit_jugador1->setFocus();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    Timer_persiana->start();
}

void TForm_jugadores::Timer_persianaTimer()
{
    Timer_persiana->stop();
    // Drawn at every step, so that the blind is seen unrolling. A close asked
    // for meanwhile (the window manager's gets through the screen updates)
    // waits until the blind is down.
    RollOpen(true);
}

void TForm_jugadores::xpButton2Click()
{
    int32_t n = game.playerCount;
    if (n == 0) {
        ResetResults();
        ResetPoints();
        ResetAllKindCounters();
    }
    QStringList typed;
    for (QLineEdit* box : boxes_)
        typed << box->text();
    const Players::Registration registration = Players::Register(n, typed);
    for (const QString& name : registration.joined) {
        game.players[n].SetName(name);
        game.pointsTable[n + 1].SetName(name);
        ++n;
    }
    if (n > 0)
        game.playerCount = n;
    else
        UseDefaultPlayer();
    PlayersChanged();
    // Told while the names are still on screen.
    if (!registration.dropped.isEmpty())
        ThePlatform().ShowMessage(TooManyPlayersText(registration.dropped));
    accept();
}

void TForm_jugadores::xpButton1Click() { reject(); }

void TForm_jugadores::FormClose()
{
    // A close before the blind opened must not let it unroll the hidden window later.
    Timer_persiana->stop();
    RollClosed();
}

void TForm_jugadores::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the button that has the focus and nothing else.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
