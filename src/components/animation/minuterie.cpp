#include "components/animation/minuterie.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimerEvent>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <climits>

#include "localisation/messages.h"

namespace animation {

namespace {

const char* const kTexteAbandon = "Operation abandonnee";
const char* const kTexteTimers = "Pas assez de timers disponibles";
const char* const kTexteInconnue = "Exception inconnue";

// The nice value of each priority; raising above normal needs the right to.
int gentillesse(TThreadPriority priorite) {
  switch (priorite) {
    case TThreadPriority::tpIdle: return 19;
    case TThreadPriority::tpLowest: return 10;
    case TThreadPriority::tpLower: return 5;
    case TThreadPriority::tpNormal: return 0;
    case TThreadPriority::tpHigher: return -5;
    case TThreadPriority::tpHighest: return -10;
    case TThreadPriority::tpTimeCritical: return -20;
  }
  return 0;
}

}  // namespace

bool sur_le_thread_gui() {
  const QCoreApplication* application = QCoreApplication::instance();
  return application == nullptr || QThread::currentThread() == application->thread();
}

const char* EAbort::what() const noexcept { return kTexteAbandon; }

EOutOfResources::EOutOfResources() : std::runtime_error(kTexteTimers) {}

void montrer_exception(std::exception_ptr erreur) {
  std::string texte;
  try {
    std::rethrow_exception(erreur);
  } catch (const EAbort&) {
    return;
  } catch (const std::exception& e) {
    texte = e.what();
  } catch (...) {
    texte = kTexteInconnue;
  }
  if (sur_le_thread_gui()) {
    affiche_message(texte);
    return;
  }
  QMetaObject::invokeMethod(QCoreApplication::instance(), [texte] { affiche_message(texte); },
                            Qt::QueuedConnection);
}

// --- The worker thread -------------------------------------------------------

TJvTimerThread::TJvTimerThread(TJvTimer* owner) : owner_(owner), thread_([this] { Boucle(); }) {}

TJvTimerThread::~TJvTimerThread() { Terminer(); }

void TJvTimerThread::Terminer() {
  {
    std::lock_guard verrou(mutex_);
    termine_ = true;
  }
  reveil_.notify_all();
  tour_fini_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void TJvTimerThread::Pause() {
  {
    std::lock_guard verrou(mutex_);
    en_marche_ = false;
    ++changements_;
  }
  reveil_.notify_all();
  tour_fini_.notify_all();
}

void TJvTimerThread::Resume() {
  {
    std::lock_guard verrou(mutex_);
    en_marche_ = true;
    ++changements_;
  }
  reveil_.notify_all();
}

bool TJvTimerThread::Running() const {
  std::lock_guard verrou(mutex_);
  return en_marche_;
}

std::uint32_t TJvTimerThread::Interval() const {
  std::lock_guard verrou(mutex_);
  return intervalle_;
}

void TJvTimerThread::SetInterval(std::uint32_t ms) {
  {
    std::lock_guard verrou(mutex_);
    if (intervalle_ == ms) return;
    intervalle_ = ms;
    ++changements_;
  }
  reveil_.notify_all();
}

void TJvTimerThread::SetPriority(TThreadPriority priorite) {
  std::lock_guard verrou(mutex_);
  priorite_voulue_ = priorite;
}

bool TJvTimerThread::Declencher() {
  std::unique_lock verrou(mutex_);
  if (!en_marche_ || termine_) return false;
  const std::uint64_t demande = ++demandes_;
  reveil_.notify_all();
  tour_fini_.wait(verrou, [&] { return servis_ >= demande || termine_; });
  return servis_ >= demande;
}

void TJvTimerThread::AppliquerPriorite() {
  if (priorite_voulue_ == priorite_appliquee_) return;
  priorite_appliquee_ = priorite_voulue_;
  // Linux gives each thread its own nice value; a refusal keeps the old one.
  (void)setpriority(PRIO_PROCESS, id_t(gettid()), gentillesse(priorite_appliquee_));
}

bool TJvTimerThread::Attendre(std::unique_lock<std::mutex>& verrou) {
  const std::uint64_t changements = changements_;
  const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(intervalle_);
  const bool interrompu = reveil_.wait_until(
      verrou, fin, [&] { return termine_ || demandes_ != servis_ || changements_ != changements; });
  if (demandes_ != servis_) return true;
  return !interrompu;
}

void TJvTimerThread::Boucle() {
  std::unique_lock verrou(mutex_);
  while (!termine_) {
    reveil_.wait(verrou, [&] { return termine_ || en_marche_; });
    if (termine_) break;
    AppliquerPriorite();
    if (!Attendre(verrou)) continue;
    const std::uint64_t demandes = demandes_;
    if (!termine_ && en_marche_ && !QCoreApplication::closingDown()) {
      verrou.unlock();
      owner_->TickDuThread();
      verrou.lock();
    }
    servis_ = demandes;
    tour_fini_.notify_all();
  }
}

// --- The timer ---------------------------------------------------------------

TJvTimer::TJvTimer(QObject* owner) : QObject(owner), thread_(std::make_unique<TJvTimerThread>(this)) {}

TJvTimer::~TJvTimer() { Fermer(); }

void TJvTimer::Fermer() {
  detruit_ = true;
  enabled_ = false;
  {
    std::lock_guard verrou(mutex_);
    on_timer_ = nullptr;
    ++generation_;
  }
  thread_->Terminer();
  if (id_qt_ != 0) killTimer(id_qt_);
  id_qt_ = 0;
}

void TJvTimer::SetEnabled(bool valeur) {
  if (enabled_ == valeur) return;
  enabled_ = valeur;
  UpdateTimer();
}

void TJvTimer::SetInterval(std::uint32_t ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  UpdateTimer();
}

void TJvTimer::SetThreaded(bool valeur) {
  if (threaded_ == valeur) return;
  threaded_ = valeur;
  UpdateTimer();
}

void TJvTimer::SetThreadPriority(TThreadPriority valeur) {
  {
    std::lock_guard verrou(mutex_);
    priorite_ = valeur;
  }
  if (threaded_) UpdateTimer();
}

bool TJvTimer::HasOnTimer() const {
  std::lock_guard verrou(mutex_);
  return static_cast<bool>(on_timer_);
}

void TJvTimer::SetOnTimer(TNotifyEvent handler) {
  bool change;
  {
    std::lock_guard verrou(mutex_);
    change = static_cast<bool>(on_timer_) != static_cast<bool>(handler);
    on_timer_ = std::move(handler);
  }
  if (change) UpdateTimer();
}

bool TJvTimer::DoitTourner() const {
  return interval_ != 0 && enabled_ && static_cast<bool>(on_timer_) && !detruit_;
}

void TJvTimer::UpdateTimer() {
  std::lock_guard verrou(mutex_);
  ++generation_;
  const bool actif = DoitTourner();
  if (threaded_) {
    AppliquerQt(false);
    thread_->Pause();
    thread_->SetInterval(interval_);
    if (actif) {
      thread_->SetPriority(priorite_);
      thread_->Resume();
    }
  } else {
    thread_->Pause();
    AppliquerQt(actif);
  }
}

void TJvTimer::AppliquerQt(bool actif) {
  if (id_qt_ == 0 && !actif) return;
  if (QThread::currentThread() != thread()) {
    // Qt timers belong to the GUI thread: the change is made there.
    QMetaObject::invokeMethod(this, [this] { UpdateTimer(); }, Qt::QueuedConnection);
    return;
  }
  if (id_qt_ != 0) killTimer(id_qt_);
  id_qt_ = 0;
  if (!actif) return;
  id_qt_ = startTimer(int(std::min<std::uint32_t>(interval_, INT_MAX)));
  if (id_qt_ == 0) throw EOutOfResources();
}

void TJvTimer::Timer() {
  TNotifyEvent handler;
  {
    std::lock_guard verrou(mutex_);
    if (!enabled_ || detruit_ || !on_timer_) return;
    handler = on_timer_;
  }
  handler(this);
}

void TJvTimer::TickProtege() {
  try {
    Timer();
  } catch (...) {
    montrer_exception(std::current_exception());
  }
}

void TJvTimer::TickDuThread() {
  if (detruit_ || !enabled_) return;
  if (!sync_event_) {
    TickProtege();
    return;
  }
  if (tick_en_attente_.exchange(true)) return;
  const std::uint64_t generation = generation_;
  QMetaObject::invokeMethod(
      this,
      [this, generation] {
        tick_en_attente_ = false;
        if (generation == generation_) TickProtege();
      },
      Qt::QueuedConnection);
}

void TJvTimer::timerEvent(QTimerEvent* evenement) {
  if (evenement->timerId() != id_qt_ || id_qt_ == 0) {
    QObject::timerEvent(evenement);
    return;
  }
  TickProtege();
}

}  // namespace animation
