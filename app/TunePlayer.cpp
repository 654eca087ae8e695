// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/TunePlayer.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <fluidsynth.h>

struct TunePlayer::Engine {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;

    ~Engine()
    {
        // The driver first: it calls into the synth and, through it, the player.
        if (driver)
            delete_fluid_audio_driver(driver);
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

namespace {

// FluidSynth reports to stderr by default; the game reports nothing.
void QuietFluidSynth()
{
    static const bool once = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)once;
}

// FluidSynth only looks at the signature before it accepts a file, and finds
// out that the rest is missing when the tune should be playing. A header
// chunk and a whole first track are required here.
bool LooksPlayable(const QByteArray& file)
{
    QFile f(QFile::decodeName(file));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(14);
    if (head.size() < 14 || !head.startsWith("MThd"))
        return false;
    const auto be32 = [](const QByteArray& b, int at) {
        return quint32(uchar(b[at])) << 24 | quint32(uchar(b[at + 1])) << 16 |
               quint32(uchar(b[at + 2])) << 8 | quint32(uchar(b[at + 3]));
    };
    const quint32 headerLength = be32(head, 4);
    const int tracks = uchar(head[10]) << 8 | uchar(head[11]);
    if (headerLength < 6 || tracks < 1 || !f.seek(qint64(8) + headerLength))
        return false;
    const QByteArray track = f.read(8);
    return track.size() == 8 && track.startsWith("MTrk") &&
           f.pos() + qint64(be32(track, 4)) <= f.size();
}

fluid_audio_driver_t* StartDriver(fluid_settings_t* settings, fluid_synth_t* synth)
{
    // PulseAudio (or PipeWire speaking it) is what the desktop offers; bare
    // ALSA is the fallback. Never the build's default, which may start a
    // sound server of its own.
    for (const char* name : {"pulseaudio", "alsa"}) {
        if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK)
            continue;
        if (fluid_audio_driver_t* d = new_fluid_audio_driver(settings, synth))
            return d;
    }
    return nullptr;
}

}  // namespace

TunePlayer::TunePlayer() = default;

// Out of line, where the engine is a complete type.
TunePlayer::~TunePlayer() { Close(); }

bool TunePlayer::Readable(const QString& path)
{
    QuietFluidSynth();
    const QByteArray file = QFile::encodeName(path);
    return !file.isEmpty() && fluid_is_midifile(file.constData()) && LooksPlayable(file);
}

Platform::TuneOpen TunePlayer::Open(const QString& path)
{
    Close();
    if (!Readable(path))
        return Platform::TuneOpen::Failed;
    const QByteArray file = QFile::encodeName(path);
    // Without an output device a driver cannot start: say so at once rather
    // than let every back end try.
    if (QMediaDevices::audioOutputs().isEmpty())
        return Platform::TuneOpen::NoOutput;

    auto e = std::make_unique<Engine>();
    e->settings = new_fluid_settings();
    if (e->settings)
        e->synth = new_fluid_synth(e->settings);
    if (!e->synth || fluid_synth_sfload(e->synth, CIFROLO_SOUNDFONT, 1) == FLUID_FAILED)
        return Platform::TuneOpen::NoOutput;
    e->player = new_fluid_player(e->synth);
    if (!e->player || fluid_player_add(e->player, file.constData()) != FLUID_OK)
        return Platform::TuneOpen::Failed;
    // The audio driver runs only while the tune plays: started here it would
    // keep a share of the processor busy for the whole game, rendering silence.
    engine_ = std::move(e);
    stopped_ = false;
    return Platform::TuneOpen::Opened;
}

void TunePlayer::Play()
{
    if (!engine_)
        return;
    // FluidSynth reports a stopped player as done too; only one that ran to
    // its end goes back to the beginning.
    if (!stopped_ && fluid_player_get_status(engine_->player) == FLUID_PLAYER_DONE)
        fluid_player_seek(engine_->player, 0);
    if (!engine_->driver)
        engine_->driver = StartDriver(engine_->settings, engine_->synth);
    if (!engine_->driver)
        return;  // the sound device went away: no tune this time
    stopped_ = false;
    fluid_player_play(engine_->player);
}

void TunePlayer::Stop()
{
    if (!engine_)
        return;
    if (fluid_player_get_status(engine_->player) == FLUID_PLAYER_PLAYING) {
        fluid_player_stop(engine_->player);
        stopped_ = true;
    }
    fluid_synth_all_sounds_off(engine_->synth, -1);
    // Silent until the next Play: the driver goes, and with it its thread.
    if (engine_->driver) {
        delete_fluid_audio_driver(engine_->driver);
        engine_->driver = nullptr;
    }
}

void TunePlayer::Close()
{
    engine_.reset();
    stopped_ = false;
}
