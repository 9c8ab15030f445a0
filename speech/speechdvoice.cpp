#include "speech/speechdvoice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <algorithm>
#include <atomic>

namespace speech {

namespace {

// Chosen by name: the order in which engines are listed varies.
constexpr const char* kEngine = "speechd";
constexpr double kRate = -0.2;
// How long the end of the program waits for the service to let go.
constexpr int kCloseWaitMs = 700;

// What the worker thread uses, shared so that it outlives a voice left behind at the end.
struct Worker {
    QObject* home = nullptr;  // lives on the worker thread and owns the engine
    std::atomic<QTextToSpeech*> engine{nullptr};
};

// On the worker thread. Tells the interface thread the outcome.
void makeEngine(const std::shared_ptr<Worker>& worker, const std::function<void()>& ready,
                const std::function<void(QString)>& failed) {
    const auto tell = [](std::function<void()> call) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(call),
                                  Qt::QueuedConnection);
    };
    auto* engine = new QTextToSpeech(QString::fromLatin1(kEngine), worker->home);
    if (engine->state() == QTextToSpeech::Error || engine->availableVoices().isEmpty()) {
        tell([failed] {
            failed(QCoreApplication::translate("ReadAloud", "No voice is installed"));
        });
        return;
    }
    // The program's language: in English, British English where the service has it, else
    // its default voice; in another language, a voice of that language or none, as a Welsh
    // text read in an English voice is no help.
    const QLocale wanted;
    const bool english = wanted.language() == QLocale::English || wanted.language() == QLocale::C;
    const QList<QLocale> locales = engine->availableLocales();
    const auto spoken = std::find_if(locales.begin(), locales.end(), [&](const QLocale& l) {
        return english ? l.language() == QLocale::English && l.territory() == QLocale::UnitedKingdom
                       : l.language() == wanted.language();
    });
    if (spoken != locales.end()) {
        engine->setLocale(*spoken);
    } else if (!english) {
        const QString language = wanted.nativeLanguageName();
        tell([failed, language] {
            failed(
                //: %1 is a language's name in that language, such as Cymraeg
                QCoreApplication::translate("ReadAloud", "No voice for %1 is installed")
                    .arg(language));
        });
        return;
    }
    engine->setRate(kRate);
    worker->engine = engine;
    tell(ready);
}

// Making the engine connects to the service, and a stuck service can hold that for half a
// minute or more; so the engine is made, used and destroyed on a thread of its own, and the
// interface thread only ever posts to it.
class SpeechDispatcherVoice : public Voice {
  public:
    ~SpeechDispatcherVoice() override { close(); }

    bool available() const override {
        // Reads the plugins' metadata; no engine is made.
        return QTextToSpeech::availableEngines().contains(QLatin1String(kEngine));
    }

    void start(std::function<void()> ready, std::function<void(QString)> failed) override {
        thread_ = std::make_unique<QThread>();
        thread_->setObjectName("speech");
        worker_->home = new QObject;
        worker_->home->moveToThread(thread_.get());
        // Destroyed, with the engine, on its own thread as the thread ends.
        QObject::connect(thread_.get(), &QThread::finished, worker_->home, &QObject::deleteLater);
        thread_->start();
        QMetaObject::invokeMethod(worker_->home, [worker = worker_, ready, failed] {
            makeEngine(worker, ready, failed);
        });
    }

    void say(const QString& text) override {
        onWorker([text](QTextToSpeech& engine) {
            engine.stop();
            engine.say(text);
        });
    }

    void stop() override {
        onWorker([](QTextToSpeech& engine) { engine.stop(); });
    }

    bool close() override {
        if (!thread_) return true;
        thread_->quit();
        if (!thread_->wait(QDeadlineTimer(kCloseWaitMs))) {
            // Still inside the service: the thread cannot be stopped, only left behind.
            (void)thread_.release();
            return false;
        }
        thread_.reset();
        return true;
    }

  private:
    template <class F>
    void onWorker(F work) {
        if (!thread_) return;
        QMetaObject::invokeMethod(worker_->home, [worker = worker_, work] {
            if (QTextToSpeech* engine = worker->engine.load()) work(*engine);
        });
    }

    std::unique_ptr<QThread> thread_;
    std::shared_ptr<Worker> worker_ = std::make_shared<Worker>();
};

}  // namespace

std::unique_ptr<Voice> makeSpeechDispatcherVoice() {
    return std::make_unique<SpeechDispatcherVoice>();
}

}  // namespace speech
