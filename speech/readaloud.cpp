#include "speech/readaloud.h"

#include <QCoreApplication>
#include <QTimer>
#include <map>
#include <optional>

namespace speech {

namespace {

struct ReadingState {
    std::unique_ptr<Voice> voice;
    std::optional<bool> available;  // asked once: it reads the plugins' metadata
    // Callbacks of a voice that has been replaced find another generation and do nothing.
    int generation = 0;
    bool on = false;
    bool started = false;
    bool ready = false;
    QString failure;
    QString waiting;  // said while the voice was starting
    std::unique_ptr<QTimer> deadline;
    std::map<int, std::function<void()>> watchers;
    int nextWatcher = 0;
};

ReadingState& state() {
    static ReadingState s;
    return s;
}

void tellWatchers() {
    // A watcher may unwatch (its screen closing), so the list is copied first.
    const auto watchers = state().watchers;
    for (const auto& [id, changed] : watchers) changed();
}

void voiceReady(int generation) {
    ReadingState& s = state();
    if (generation != s.generation || !s.failure.isEmpty()) return;
    s.ready = true;
    if (s.deadline) s.deadline->stop();
    if (s.on && !s.waiting.isEmpty()) s.voice->say(s.waiting);
    s.waiting.clear();
}

void voiceFailed(int generation, const QString& reason) {
    ReadingState& s = state();
    if (generation != s.generation || !s.failure.isEmpty()) return;
    s.failure = reason;
    s.on = false;
    s.ready = false;
    s.waiting.clear();
    // Stopped, not destroyed: this may run inside the timer's own timeout.
    if (s.deadline) s.deadline->stop();
    tellWatchers();
}

void start() {
    ReadingState& s = state();
    s.started = true;
    s.deadline = std::make_unique<QTimer>();
    s.deadline->setSingleShot(true);
    s.deadline->setTimerType(Qt::PreciseTimer);
    QObject::connect(s.deadline.get(), &QTimer::timeout, [] { giveUpStarting(); });
    s.deadline->start(kStartDeadlineMs);
    const int generation = s.generation;
    s.voice->start([generation] { voiceReady(generation); },
                   [generation](const QString& reason) { voiceFailed(generation, reason); });
}

}  // namespace

std::unique_ptr<Voice> installVoice(std::unique_ptr<Voice> voice) {
    ReadingState& s = state();
    std::unique_ptr<Voice> previous = std::move(s.voice);
    s.voice = std::move(voice);
    ++s.generation;
    s.available.reset();
    s.on = s.started = s.ready = false;
    s.failure.clear();
    s.waiting.clear();
    s.deadline.reset();
    return previous;
}

bool canRead() {
    ReadingState& s = state();
    if (!s.voice || !s.failure.isEmpty()) return false;
    if (!s.available) s.available = s.voice->available();
    return *s.available;
}

QString whyNot() {
    const ReadingState& s = state();
    if (canRead()) return {};
    return s.failure.isEmpty()
               ? QCoreApplication::translate("ReadAloud", "No speech service installed")
               : s.failure;
}

bool isReading() {
    return state().on;
}

void setReading(bool on) {
    ReadingState& s = state();
    if (on == s.on || (on && !canRead())) return;
    s.on = on;
    if (on && !s.started) start();
    if (!on) {
        s.waiting.clear();
        if (s.ready) s.voice->stop();
    }
    tellWatchers();
}

void say(const QString& text) {
    ReadingState& s = state();
    if (!s.on || text.trimmed().isEmpty()) return;
    if (s.ready)
        s.voice->say(text);
    else
        s.waiting = text;
}

void giveUpStarting() {
    if (state().ready) return;
    voiceFailed(state().generation,
                QCoreApplication::translate("ReadAloud", "The speech service did not answer"));
}

Watch::Watch(std::function<void()> changed) : id_(state().nextWatcher++) {
    state().watchers.emplace(id_, std::move(changed));
}

Watch::~Watch() {
    state().watchers.erase(id_);
}

bool closeVoice() {
    ReadingState& s = state();
    s.deadline.reset();
    if (s.voice && s.started && !s.voice->close()) {
        // A voice that hung is left as it is: the program ends without it.
        (void)s.voice.release();
        return false;
    }
    s.voice.reset();
    return true;
}

}  // namespace speech
